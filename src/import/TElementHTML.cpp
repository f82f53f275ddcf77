#include "import/TElementHTML.h"

#include <QByteArray>
#include <cstring>
#include <gumbo.h>
#include <utility>

namespace {

bool JestElementem(const GumboNode* wezel) {
    return wezel->type == GUMBO_NODE_ELEMENT || wezel->type == GUMBO_NODE_TEMPLATE;
}

const GumboVector& Dzieci(const GumboNode* wezel) {
    return wezel->v.element.children;
}

const GumboNode* Dziecko(const GumboNode* wezel, unsigned int i) {
    return static_cast<const GumboNode*>(Dzieci(wezel).data[i]);
}

QByteArray NazwaZnacznika(const GumboNode* wezel) {
    const GumboElement& element = wezel->v.element;
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return QByteArray(gumbo_normalized_tagname(element.tag));
    GumboStringPiece oryginal = element.original_tag;
    gumbo_tag_from_original_text(&oryginal);
    return QByteArray(oryginal.data, static_cast<qsizetype>(oryginal.length)).toLower();
}

bool JestElementemPustym(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_AREA:
    case GUMBO_TAG_BASE:
    case GUMBO_TAG_BASEFONT:
    case GUMBO_TAG_BGSOUND:
    case GUMBO_TAG_BR:
    case GUMBO_TAG_COL:
    case GUMBO_TAG_EMBED:
    case GUMBO_TAG_FRAME:
    case GUMBO_TAG_HR:
    case GUMBO_TAG_IMG:
    case GUMBO_TAG_INPUT:
    case GUMBO_TAG_KEYGEN:
    case GUMBO_TAG_LINK:
    case GUMBO_TAG_META:
    case GUMBO_TAG_PARAM:
    case GUMBO_TAG_SOURCE:
    case GUMBO_TAG_TRACK:
    case GUMBO_TAG_WBR:
        return true;
    default:
        return false;
    }
}

// Elements whose text is written as it stands.
bool JestTekstemSurowym(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_XMP:
    case GUMBO_TAG_IFRAME:
    case GUMBO_TAG_NOEMBED:
    case GUMBO_TAG_NOFRAMES:
    case GUMBO_TAG_PLAINTEXT:
        return true;
    default:
        return false;
    }
}

// The parts of a table that hold only rows and cells: whitespace between
// them is layout of the page's source, not content.
bool JestCzesciaTabeli(const GumboNode* wezel) {
    switch (wezel->v.element.tag) {
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_TBODY:
    case GUMBO_TAG_THEAD:
    case GUMBO_TAG_TFOOT:
    case GUMBO_TAG_TR:
        return true;
    default:
        return false;
    }
}

bool JestProstaWartoscia(const char* wartosc) {
    if (*wartosc == '\0')
        return false;
    for (const char* z = wartosc; *z; ++z) {
        const char c = *z;
        const bool dozwolony = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                               (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!dozwolony)
            return false;
    }
    return true;
}

void DopiszTekst(QByteArray& wynik, const char* tekst, bool wAtrybucie) {
    for (const char* z = tekst; *z; ++z) {
        switch (*z) {
        case '&':
            wynik += "&amp;";
            break;
        case '<':
            wynik += wAtrybucie ? "<" : "&lt;";
            break;
        case '>':
            wynik += wAtrybucie ? ">" : "&gt;";
            break;
        case '"':
            wynik += wAtrybucie ? "&quot;" : "\"";
            break;
        case '\xC2':
            if (z[1] == '\xA0') { // U+00A0, the no-break space
                wynik += "&nbsp;";
                ++z;
                break;
            }
            [[fallthrough]];
        default:
            wynik += *z;
        }
    }
}

void DopiszZnacznikOtwarcia(QByteArray& wynik, const GumboNode* wezel) {
    wynik += '<';
    wynik += NazwaZnacznika(wezel);
    const GumboVector& atrybuty = wezel->v.element.attributes;
    for (unsigned int i = 0; i < atrybuty.length; ++i) {
        const auto* atrybut = static_cast<const GumboAttribute*>(atrybuty.data[i]);
        wynik += ' ';
        wynik += atrybut->name;
        wynik += '=';
        if (JestProstaWartoscia(atrybut->value)) {
            wynik += atrybut->value;
        } else {
            wynik += '"';
            DopiszTekst(wynik, atrybut->value, true);
            wynik += '"';
        }
    }
    wynik += '>';
}

void DopiszWezelNieElement(QByteArray& wynik, const GumboNode* wezel, const GumboNode* rodzic) {
    const char* tekst = wezel->v.text.text;
    switch (wezel->type) {
    case GUMBO_NODE_COMMENT:
        wynik += "<!--";
        wynik += tekst;
        wynik += "-->";
        break;
    case GUMBO_NODE_WHITESPACE:
        if (!JestCzesciaTabeli(rodzic))
            wynik += tekst;
        break;
    case GUMBO_NODE_CDATA:
        DopiszTekst(wynik, tekst, false);
        break;
    default:
        if (JestTekstemSurowym(rodzic->v.element.tag))
            wynik += tekst;
        else
            DopiszTekst(wynik, tekst, false);
    }
}

// The children of `wezel` serialised, walked with an explicit stack so that
// deep nesting cannot exhaust the call stack.
QByteArray Serializuj(const GumboNode* wezel) {
    QByteArray wynik;
    std::vector<std::pair<const GumboNode*, unsigned int>> stos{{wezel, 0}};
    while (!stos.empty()) {
        auto& [rodzic, nastepne] = stos.back();
        if (nastepne == Dzieci(rodzic).length) {
            if (stos.size() > 1) {
                wynik += "</";
                wynik += NazwaZnacznika(rodzic);
                wynik += '>';
            }
            stos.pop_back();
            continue;
        }
        const GumboNode* dziecko = Dziecko(rodzic, nastepne++);
        if (!JestElementem(dziecko)) {
            DopiszWezelNieElement(wynik, dziecko, rodzic);
            continue;
        }
        DopiszZnacznikOtwarcia(wynik, dziecko);
        if (!JestElementemPustym(dziecko->v.element.tag))
            stos.emplace_back(dziecko, 0);
    }
    return wynik;
}

} // namespace

bool TElementHTML::MaNazwe(const char* nazwa) const {
    const GumboTag tag = fWezel->v.element.tag;
    if (tag != GUMBO_TAG_UNKNOWN)
        return std::strcmp(gumbo_normalized_tagname(tag), nazwa) == 0;
    return NazwaZnacznika(fWezel) == nazwa;
}

QString TElementHTML::Atrybut(const char* nazwa) const {
    const GumboAttribute* atrybut = gumbo_get_attribute(&fWezel->v.element.attributes, nazwa);
    return atrybut ? QString::fromUtf8(atrybut->value) : QString();
}

std::vector<TElementHTML> TElementHTML::Elementy() const {
    std::vector<TElementHTML> elementy;
    std::vector<const GumboNode*> stos;
    for (unsigned int i = Dzieci(fWezel).length; i > 0; --i)
        stos.push_back(Dziecko(fWezel, i - 1));
    while (!stos.empty()) {
        const GumboNode* wezel = stos.back();
        stos.pop_back();
        if (!JestElementem(wezel))
            continue;
        elementy.emplace_back(wezel);
        for (unsigned int i = Dzieci(wezel).length; i > 0; --i)
            stos.push_back(Dziecko(wezel, i - 1));
    }
    return elementy;
}

QString TElementHTML::WewnetrznyHTML() const {
    return QString::fromUtf8(Serializuj(fWezel));
}

QString TElementHTML::Tekst() const {
    QByteArray tekst;
    std::vector<const GumboNode*> stos{fWezel};
    while (!stos.empty()) {
        const GumboNode* wezel = stos.back();
        stos.pop_back();
        if (JestElementem(wezel)) {
            for (unsigned int i = Dzieci(wezel).length; i > 0; --i)
                stos.push_back(Dziecko(wezel, i - 1));
        } else if (wezel->type != GUMBO_NODE_COMMENT) {
            tekst += wezel->v.text.text;
        }
    }
    return QString::fromUtf8(tekst);
}
