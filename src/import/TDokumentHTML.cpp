#include "import/TDokumentHTML.h"

#include "import/EImportError.h"
#include "import/KodowanieStrony.h"

#include <algorithm>
#include <cctype>
#include <gumbo.h>

namespace {

// The parser keeps no list of the page's markup errors: each entry would copy
// the stack of open elements, so a page of many unclosed tags could take
// memory quadratic in its size.
const GumboOptions& Opcje() {
    static const GumboOptions opcje = [] {
        GumboOptions o = kGumboDefaultOptions;
        o.max_errors = 0;
        return o;
    }();
    return opcje;
}

// Deeper than any page a bank publishes; the parser's work grows with the
// square of the depth (200,000 nested elements took over a minute).
constexpr int kMaksymalneZagniezdzenie = 5000;

// Elements without an end tag do not nest.
bool Pusty(const QByteArray& nazwa) {
    static const QByteArray kPuste[] = {"area",  "base",   "br",    "col",  "embed",
                                        "hr",    "img",    "input", "link", "meta",
                                        "param", "source", "track", "wbr",  "!doctype"};
    for (const QByteArray& pusty : kPuste)
        if (nazwa.compare(pusty, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The nesting the tags describe: start tags open, end tags close, comments
// and void or self-closed elements do neither. An estimate from above for
// pages that leave elements open, which is all a bound needs.
int Zagniezdzenie(const QByteArray& tresc) {
    int glebokosc = 0;
    int najwieksza = 0;
    for (qsizetype i = tresc.indexOf('<'); i >= 0; i = tresc.indexOf('<', i + 1)) {
        const bool koniec = i + 1 < tresc.size() && tresc[i + 1] == '/';
        qsizetype n = i + (koniec ? 2 : 1);
        const qsizetype start = n;
        while (n < tresc.size() &&
               (std::isalnum(static_cast<unsigned char>(tresc[n])) || tresc[n] == '!'))
            ++n;
        const qsizetype zamkniecie = tresc.indexOf('>', n);
        if (n == start || zamkniecie < 0)
            continue;
        if (koniec)
            glebokosc = std::max(0, glebokosc - 1);
        else if (!Pusty(tresc.mid(start, n - start)) && tresc[zamkniecie - 1] != '/')
            najwieksza = std::max(najwieksza, ++glebokosc);
        i = zamkniecie;
    }
    return najwieksza;
}

const QByteArray& SprawdzonaTresc(const QByteArray& tresc) {
    if (Zagniezdzenie(tresc) > kMaksymalneZagniezdzenie)
        throw EImportError(QStringLiteral("Strona ma elementy zagnieżdżone głębiej niż %1 "
                                          "poziomów i nie może zostać odczytana.")
                               .arg(kMaksymalneZagniezdzenie));
    return tresc;
}

} // namespace

TDokumentHTML::TDokumentHTML(const QByteArray& bajty)
    : fTresc(SprawdzonaTresc(TrescStronyWUtf8(bajty))),
      fWynik(gumbo_parse_with_options(&Opcje(), fTresc.constData(),
                                      static_cast<size_t>(fTresc.size()))) {}

TDokumentHTML::~TDokumentHTML() {
    gumbo_destroy_output(&Opcje(), fWynik);
}

std::optional<TElementHTML> TDokumentHTML::Body() const {
    const GumboNode* html = fWynik->root;
    const GumboVector& dzieci = html->v.element.children;
    for (unsigned int i = 0; i < dzieci.length; ++i) {
        const auto* dziecko = static_cast<const GumboNode*>(dzieci.data[i]);
        if (dziecko->type == GUMBO_NODE_ELEMENT && dziecko->v.element.tag == GUMBO_TAG_BODY)
            return TElementHTML(dziecko);
    }
    return std::nullopt;
}
