#pragma once
#include "import/TElementHTML.h"

#include <QByteArray>
#include <optional>

struct GumboInternalOutput;

// A web page parsed into an HTML5 document tree (gumbo). The page's bytes
// are brought to UTF-8 first (TrescStronyWUtf8). Elements handed out live as
// long as the document.
class TDokumentHTML {
public:
    explicit TDokumentHTML(const QByteArray& bajty);
    ~TDokumentHTML();
    TDokumentHTML(const TDokumentHTML&) = delete;
    TDokumentHTML& operator=(const TDokumentHTML&) = delete;

    // The body element; none for a page that has none (a frameset).
    std::optional<TElementHTML> Body() const;

private:
    QByteArray fTresc; // the parser keeps pointers into it
    GumboInternalOutput* fWynik;
};
