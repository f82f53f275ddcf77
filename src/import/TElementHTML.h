#pragma once
#include <QString>
#include <vector>

struct GumboInternalNode;

// One element of a parsed HTML document (a view; the TDokumentHTML that
// parsed it must outlive it). Tag and attribute names are lower-case.
class TElementHTML {
public:
    explicit TElementHTML(const GumboInternalNode* wezel) : fWezel(wezel) {}

    // Whether the lower-case tag name is `nazwa` ("div", "td", or the page's
    // own name of an element HTML does not know).
    bool MaNazwe(const char* nazwa) const;
    // The value of an attribute; empty when the element has none such.
    QString Atrybut(const char* nazwa) const;
    // Every element inside this one, at any depth, in document order.
    std::vector<TElementHTML> Elementy() const;

    // The inner markup in one normal form, whatever the page wrote: lower-case
    // tag names; void elements without an end tag ("<br>"); an attribute value
    // made only of ASCII letters, digits, '-', '_' and '.' bare, any other
    // value double-quoted ('&' and '"' escaped); "&", "<", ">" and the
    // no-break space in text written as "&amp;", "&lt;", "&gt;", "&nbsp;";
    // comments kept; whitespace between the cells and rows of a table left out.
    // So a cell without attributes starts exactly with "<td>" and a wrapper
    // reads <div class=lokata>.
    QString WewnetrznyHTML() const;
    // The text of every text node inside, joined (references decoded).
    QString Tekst() const;

    const GumboInternalNode* Wezel() const { return fWezel; }

private:
    const GumboInternalNode* fWezel;
};
