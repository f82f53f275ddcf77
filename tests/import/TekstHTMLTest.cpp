#include "import/TekstHTML.h"

#include <gtest/gtest.h>

namespace {

struct TPara {
    const char* wejscie;
    const char* wynik;
};

TEST(TekstHTMLTest, UsunZnacznikiHTMLDropsEveryTagAndKeepsTheTextBetween) {
    const TPara przypadki[] = {
        {"<b>4,50%</b>", "4,50%"},
        {"lokata <span class=x>na</span> start", "lokata na start"},
        {"bez znaczników &amp; encji", "bez znaczników &amp; encji"},
        {"a > b <i>c</i>", "a > b c"},
        {"przed <niezamknięty reszta", "przed "},
        {"<a><b>", ""},
        {"", ""},
    };
    for (const TPara& p : przypadki)
        EXPECT_EQ(UsunZnacznikiHTML(QString::fromUtf8(p.wejscie)), QString::fromUtf8(p.wynik))
            << p.wejscie;
}

TEST(TekstHTMLTest, PierwszaLiteraDuzaUpperCasesOnlyTheFirstCharacter) {
    const TPara przypadki[] = {
        {"lokata roczna", "Lokata roczna"},
        {"x", "X"},
        {"łatwa lokata", "Łatwa lokata"},
        {"   ", "   "},
        {" lokata", " lokata"},
        {"", ""},
        {"eKONTO", "EKONTO"},
    };
    for (const TPara& p : przypadki)
        EXPECT_EQ(PierwszaLiteraDuza(QString::fromUtf8(p.wejscie)), QString::fromUtf8(p.wynik))
            << p.wejscie;
}

TEST(TekstHTMLTest, PodzielTekstSplitsAtTheSeparatorAndLineBreaks) {
    struct TPodzial {
        const char* tekst;
        QStringList elementy;
    };
    const TPodzial przypadki[] = {
        {"a|b||c|", {"a", "b", "c"}},
        {" a |b", {"a ", "b"}},
        {"it's|b", {"it`s", "b"}},
        {R"(x|"a|b" c|d)", {"x", R"("a|b" c)", "d"}},
        {"a\r\nb|\n c", {"a", "b", "c"}},
        {"|||", {}},
        {"", {}},
        {R"(otwarty "cudzysłów|bez końca)", {R"(otwarty "cudzysłów|bez końca)"}},
    };
    QStringList lista{"stare"};
    for (const TPodzial& p : przypadki) {
        PodzielTekst(u'|', QString::fromUtf8(p.tekst), lista);
        EXPECT_EQ(lista, p.elementy) << p.tekst;
    }
}

TEST(TekstHTMLTest, DekodujZnakiHTMLUndoesWhatTheSerialisationEscapes) {
    const TPara przypadki[] = {
        {"R&amp;D", "R&D"},
        {"a&nbsp;b", "a b"},
        {"&lt;b&gt; &quot;x&quot;", "<b> \"x\""},
        {"&amp;oacute;", "&oacute;"},
        {"AT&T &", "AT&T &"},
    };
    for (const TPara& p : przypadki)
        EXPECT_EQ(DekodujZnakiHTML(QString::fromUtf8(p.wejscie)), QString::fromUtf8(p.wynik))
            << p.wejscie;
}

} // namespace
