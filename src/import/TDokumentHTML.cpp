#include "import/TDokumentHTML.h"

#include "import/KodowanieStrony.h"

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

} // namespace

TDokumentHTML::TDokumentHTML(const QByteArray& bajty)
    : fTresc(TrescStronyWUtf8(bajty)),
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
