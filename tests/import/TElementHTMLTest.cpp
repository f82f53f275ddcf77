#include "import/TDokumentHTML.h"

#include <gtest/gtest.h>

namespace {

// The inner markup of the body's first element, serialised.
QString Wnetrze(const QByteArray& strona) {
    const TDokumentHTML dokument(strona);
    return dokument.Body()->Elementy().front().WewnetrznyHTML();
}

TEST(TElementHTMLTest, InnerMarkupHasOneNormalFormWhateverThePageWrote) {
    const std::pair<const char*, const char*> przypadki[] = {
        {R"(<DIV><DIV CLASS="lokata">a<BR/>b</DIV></DIV>)", "<div class=lokata>a<br>b</div>"},
        {R"(<div><div class='lok.17_a-b'></div></div>)", "<div class=lok.17_a-b></div>"},
        {R"(<div><A HREF='#' ONMOUSEOVER='TagToTip("x");'>s</A></div>)",
         R"(<a href="#" onmouseover="TagToTip(&quot;x&quot;);">s</a>)"},
        {R"(<div><a onmouseover="TagToTip('lok17');" title="">s</a></div>)",
         R"(<a onmouseover="TagToTip('lok17');" title="">s</a>)"},
        {"<div>R&amp;D &lt;b&gt; &oacute;&nbsp;\"x\"</div>", "R&amp;D &lt;b&gt; ó&nbsp;\"x\""},
        {"<div><img src=a.png><!-- uwaga --><Lokata>x</LOKATA></div>",
         "<img src=a.png><!-- uwaga --><lokata>x</lokata>"},
        {"<table><tr>\n  <TD>1</TD>\n  <td class=x> 2 </td>\n</tr></table>",
         "<tbody><tr><td>1</td><td class=x> 2 </td></tr></tbody>"},
    };
    for (const auto& [strona, wnetrze] : przypadki)
        EXPECT_EQ(Wnetrze(strona), QString::fromUtf8(wnetrze)) << strona;
}

TEST(TElementHTMLTest, TextJoinsTheTextNodesWithReferencesDecoded) {
    const TDokumentHTML dokument("<body><a href=x>ING <b>Bank</b> &Sacute;l&#261;ski<!--x--></a>");
    EXPECT_EQ(dokument.Body()->Elementy().front().Tekst(), "ING Bank Śląski");
    EXPECT_EQ(dokument.Body()->Elementy().front().Atrybut("HREF"), "x");
}

TEST(TElementHTMLTest, DeepNestingDoesNotExhaustTheStack) {
    // As deep as a page may nest (deeper ones are refused before parsing).
    const QByteArray strona = "<body>" + QByteArray("<span>").repeated(4990) + "x";
    const TDokumentHTML dokument(strona);
    EXPECT_TRUE(dokument.Body()->Elementy().front().WewnetrznyHTML().contains("x</span>"));
}

} // namespace
