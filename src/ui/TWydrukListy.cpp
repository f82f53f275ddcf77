#include "ui/TWydrukListy.h"

#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace {

constexpr double kPunktyTekstu = 8;
constexpr double kPunktyTytulu = 12;
// Line height as a multiple of the font's height.
constexpr double kOdstep = 1.35;
// Paper left blank around the print, the device's own margins included.
constexpr double kMarginesStronyMm = 10;
const QColor kTloGrupy(232, 232, 232);

QFont Czcionka(double punkty, bool pogrubiona) {
    QFont czcionka(QGuiApplication::font());
    czcionka.setPointSizeF(punkty);
    czcionka.setBold(pogrubiona);
    return czcionka;
}

// The widest text of each column, captions included, with room around it.
std::vector<double> Naturalne(const TTabelaListy& t, const QPaintDevice& urzadzenie,
                              const QFont& tekst, const QFont& pogrubiony, double margines) {
    const QFontMetricsF miara(tekst, &urzadzenie);
    const QFontMetricsF miaraPogrubiona(pogrubiony, &urzadzenie);
    std::vector<double> szerokosci;
    for (const QString& tytul : t.kolumny)
        szerokosci.push_back(miaraPogrubiona.horizontalAdvance(tytul));
    for (const TTabelaListy::TWiersz& w : t.wiersze)
        for (std::size_t c = 0; c < szerokosci.size(); ++c) {
            const QString komorka = w.komorki.value(static_cast<qsizetype>(c));
            szerokosci[c] = std::max(szerokosci[c], miara.horizontalAdvance(komorka));
        }
    for (double& s : szerokosci)
        s += 2 * margines;
    return szerokosci;
}

// Columns narrower than an even share of what is left keep their width; the
// others share the rest evenly.
std::vector<double> Dopasuj(std::vector<double> szerokosci, double dostepne) {
    if (std::accumulate(szerokosci.begin(), szerokosci.end(), 0.0) <= dostepne)
        return szerokosci;
    std::vector<bool> ustalona(szerokosci.size(), false);
    double pozostale = dostepne;
    auto wolne = static_cast<double>(szerokosci.size());
    for (bool zmiana = true; zmiana && wolne > 0;) {
        zmiana = false;
        const double udzial = pozostale / wolne;
        for (std::size_t c = 0; c < szerokosci.size(); ++c)
            if (!ustalona[c] && szerokosci[c] <= udzial) {
                ustalona[c] = true;
                pozostale -= szerokosci[c];
                wolne -= 1;
                zmiana = true;
            }
    }
    for (std::size_t c = 0; c < szerokosci.size(); ++c)
        if (!ustalona[c])
            szerokosci[c] = pozostale / wolne;
    return szerokosci;
}

// The printable area within at least kMarginesStronyMm of paper on each
// side, in the device's pixels, measured from the device's origin.
QRectF ObszarStrony(const QPaintDevice& urzadzenie) {
    const auto* strona = dynamic_cast<const QPagedPaintDevice*>(&urzadzenie);
    const QMarginsF marginesy =
        strona ? strona->pageLayout().margins(QPageLayout::Millimeter) : QMarginsF();
    const double xNaMm = urzadzenie.logicalDpiX() / 25.4;
    const double yNaMm = urzadzenie.logicalDpiY() / 25.4;
    const auto brak = [](double jest) { return std::max(0.0, kMarginesStronyMm - jest); };
    const double lewy = brak(marginesy.left()) * xNaMm;
    const double gorny = brak(marginesy.top()) * yNaMm;
    return QRectF(lewy, gorny, urzadzenie.width() - lewy - brak(marginesy.right()) * xNaMm,
                  urzadzenie.height() - gorny - brak(marginesy.bottom()) * yNaMm);
}

} // namespace

struct TWydrukListy::TUklad {
    QFont tekst = Czcionka(kPunktyTekstu, false);
    QFont pogrubiony = Czcionka(kPunktyTekstu, true);
    QFont tytul = Czcionka(kPunktyTytulu, true);
    // The printable area; painting is moved to its corner, so everything
    // else is measured from (0, 0).
    QRectF strona;
    double wiersz = 0;
    double wierszTytulu = 0;
    double margines = 0;
    // Where the rows start, below the title and the captions, and where
    // they must end, above the page number.
    double gora = 0;
    double dol = 0;
    std::vector<double> kolumny;
};

TWydrukListy::TWydrukListy(const TTabelaListy& tabela, TDateTime data)
    : fTabela(tabela), fData(data) {}

TWydrukListy::~TWydrukListy() = default;

TWydrukListy::TUklad TWydrukListy::Uklad(const QPaintDevice& urzadzenie) const {
    TUklad u;
    u.strona = ObszarStrony(urzadzenie);
    u.wiersz = QFontMetricsF(u.tekst, &urzadzenie).height() * kOdstep;
    u.wierszTytulu = QFontMetricsF(u.tytul, &urzadzenie).height() * kOdstep;
    u.margines = QFontMetricsF(u.tekst, &urzadzenie).averageCharWidth() / 2;
    u.gora = u.wierszTytulu * 1.5 + u.wiersz;
    u.dol = u.strona.height() - u.wiersz * 1.5;
    u.kolumny = Dopasuj(Naturalne(fTabela, urzadzenie, u.tekst, u.pogrubiony, u.margines),
                        u.strona.width());
    return u;
}

bool TWydrukListy::NaglowekPrzed(int i, bool pierwszyNaStronie) const {
    const auto& w = fTabela.wiersze;
    return fTabela.grupy && (pierwszyNaStronie || w[static_cast<std::size_t>(i)].grupa !=
                                                      w[static_cast<std::size_t>(i) - 1].grupa);
}

std::vector<std::vector<int>> TWydrukListy::Strony(const QPaintDevice& urzadzenie) const {
    return Podziel(Uklad(urzadzenie));
}

std::vector<std::vector<int>> TWydrukListy::Podziel(const TUklad& u) const {
    std::vector<std::vector<int>> strony(1);
    double y = u.gora;
    const int ile = static_cast<int>(fTabela.wiersze.size());
    for (int i = 0; i < ile; ++i) {
        const auto potrzeba = [&] {
            return u.wiersz * (NaglowekPrzed(i, strony.back().empty()) ? 2 : 1);
        };
        // A page takes at least one row, however small it is.
        if (y + potrzeba() > u.dol && !strony.back().empty()) {
            strony.emplace_back();
            y = u.gora;
        }
        y += potrzeba();
        strony.back().push_back(i);
    }
    if (!fTabela.podsumowanie.isEmpty() && y + u.wiersz * 1.5 > u.dol && !strony.back().empty())
        strony.emplace_back();
    return strony;
}

bool TWydrukListy::Drukuj(QPagedPaintDevice& urzadzenie) const {
    const TUklad u = Uklad(urzadzenie);
    const std::vector<std::vector<int>> strony = Podziel(u);
    QPainter p;
    if (!p.begin(&urzadzenie))
        return false;
    p.translate(u.strona.topLeft());
    const int stron = static_cast<int>(strony.size());
    for (int s = 0; s < stron; ++s) {
        if (s > 0 && !urzadzenie.newPage())
            return false;
        RysujGore(p, u);
        double y = u.gora;
        const std::vector<int>& wiersze = strony[static_cast<std::size_t>(s)];
        for (std::size_t k = 0; k < wiersze.size(); ++k) {
            if (NaglowekPrzed(wiersze[k], k == 0)) {
                RysujGrupe(p, u, y, wiersze[k], k == 0);
                y += u.wiersz;
            }
            RysujWiersz(p, u, y, wiersze[k]);
            y += u.wiersz;
        }
        if (s + 1 == stron && !fTabela.podsumowanie.isEmpty())
            RysujPodsumowanie(p, u, y + u.wiersz / 2);
        RysujStopke(p, u, s + 1, stron);
    }
    return p.end();
}

void TWydrukListy::RysujGore(QPainter& p, const TUklad& u) const {
    const QRectF tytul(0, 0, u.strona.width(), u.wierszTytulu);
    p.setFont(u.tytul);
    p.drawText(tytul, Qt::AlignLeft | Qt::AlignVCenter, fTabela.tytul);
    p.setFont(u.tekst);
    const QString data = FormatDateTime(
        UstawieniaFormatow.ShortDateFormat + u' ' + UstawieniaFormatow.ShortTimeFormat, fData);
    p.drawText(tytul, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Stan na: ") + data);
    p.setFont(u.pogrubiony);
    const double y = u.gora - u.wiersz;
    RysujKomorki(p, u, y, fTabela.kolumny);
    p.drawLine(QPointF(0, u.gora), QPointF(u.strona.width(), u.gora));
}

void TWydrukListy::RysujGrupe(QPainter& p, const TUklad& u, double y, int i,
                              bool pierwszyNaStronie) const {
    const auto n = static_cast<std::size_t>(i);
    QString naglowek = fTabela.wiersze[n].grupa;
    if (pierwszyNaStronie && n > 0 && fTabela.wiersze[n - 1].grupa == naglowek)
        naglowek += QStringLiteral(" (cd.)");
    const QRectF pasek(0, y, u.strona.width(), u.wiersz);
    p.fillRect(pasek, kTloGrupy);
    p.setFont(u.pogrubiony);
    const QRectF tekst = pasek.adjusted(u.margines, 0, -u.margines, 0);
    p.drawText(tekst, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(u.pogrubiony, p.device())
                   .elidedText(naglowek, Qt::ElideRight, tekst.width()));
}

void TWydrukListy::RysujWiersz(QPainter& p, const TUklad& u, double y, int i) const {
    p.setFont(u.tekst);
    RysujKomorki(p, u, y, fTabela.wiersze[static_cast<std::size_t>(i)].komorki);
}

void TWydrukListy::RysujKomorki(QPainter& p, const TUklad& u, double y,
                                const QStringList& teksty) const {
    const QFontMetricsF miara(p.font(), p.device());
    double x = 0;
    for (std::size_t c = 0; c < u.kolumny.size(); ++c) {
        const QRectF komorka(x + u.margines, y, u.kolumny[c] - 2 * u.margines, u.wiersz);
        const auto kolumna = static_cast<qsizetype>(c);
        const Qt::Alignment wyrownanie =
            fTabela.doPrawej.value(kolumna, false) ? Qt::AlignRight : Qt::AlignLeft;
        p.drawText(komorka, wyrownanie | Qt::AlignVCenter,
                   miara.elidedText(teksty.value(kolumna), Qt::ElideRight, komorka.width()));
        x += u.kolumny[c];
    }
}

void TWydrukListy::RysujPodsumowanie(QPainter& p, const TUklad& u, double y) const {
    p.drawLine(QPointF(0, y), QPointF(u.strona.width(), y));
    p.setFont(u.pogrubiony);
    const QRectF linia(u.margines, y, u.strona.width() - 2 * u.margines, u.wiersz);
    p.drawText(linia, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(u.pogrubiony, p.device())
                   .elidedText(fTabela.podsumowanie, Qt::ElideRight, linia.width()));
}

void TWydrukListy::RysujStopke(QPainter& p, const TUklad& u, int strona, int stron) const {
    p.setFont(u.tekst);
    const QRectF stopka(0, u.strona.height() - u.wiersz, u.strona.width(), u.wiersz);
    p.drawText(stopka, Qt::AlignCenter, QStringLiteral("Strona %1 z %2").arg(strona).arg(stron));
}
