#include "ui/TSzerokosciKolumn.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// How much wider than its estimate a text may come out (positive kerning).
qreal Zapas(qreal szerokosc) {
    return 2.0 + szerokosc * 0.02;
}

// Characters whose width depends on their neighbours beyond kerning:
// surrogate pairs, combining marks and the scripts that are shaped.
bool WymagaKsztaltowania(QChar znak) {
    const char16_t kod = znak.unicode();
    if (kod < 0x0300)
        return false;
    if (znak.isSurrogate() || znak.isMark())
        return true;
    return kod >= 0x0590 && (kod < 0x1E00 || kod >= 0x2E00);
}

struct TSzacunek {
    qreal szerokosc;
    const QString* tekst;
};

// Moves to the front, widest first, the estimates that could still come out
// wider than `dokladna` pixels once measured; returns the end of them. Only
// those are sorted: most texts of a column fall well short of the widest.
std::vector<TSzacunek>::iterator Kandydaci(std::vector<TSzacunek>& szacunki, int dokladna) {
    const auto koniec =
        std::partition(szacunki.begin(), szacunki.end(), [dokladna](const TSzacunek& s) {
            return s.szerokosc + Zapas(s.szerokosc) >= dokladna;
        });
    // Identical texts end up next to each other.
    std::sort(szacunki.begin(), koniec,
              [](const TSzacunek& a, const TSzacunek& b) { return a.szerokosc > b.szerokosc; });
    return koniec;
}

} // namespace

TSzerokosciKolumn::TSzerokosciKolumn(const QFont& czcionka)
    : fCzcionka(czcionka), fMiara(czcionka) {
    fZnaki.fill(-1);
}

int TSzerokosciKolumn::Dokladna(const QString& tekst) {
    auto it = fDokladne.constFind(tekst);
    if (it == fDokladne.constEnd())
        it = fDokladne.insert(tekst, QFontMetrics(fCzcionka).horizontalAdvance(tekst));
    return *it;
}

qreal TSzerokosciKolumn::Znak(QChar znak) {
    const char16_t kod = znak.unicode();
    if (kod >= fZnaki.size())
        return fMiara.horizontalAdvance(znak);
    if (fZnaki[kod] < 0)
        fZnaki[kod] = fMiara.horizontalAdvance(znak);
    return fZnaki[kod];
}

qreal TSzerokosciKolumn::Przyblizona(const QString& tekst) {
    qreal suma = 0;
    for (QChar znak : tekst) {
        if (WymagaKsztaltowania(znak))
            return Dokladna(tekst);
        suma += Znak(znak);
    }
    return suma;
}

int TSzerokosciKolumn::NajszerszyWKolumnie(int kolumna,
                                           const std::vector<TWierszRaportu>& wiersze) {
    // A text repeated in consecutive rows (a choice's name, one bank's rows)
    // is estimated once.
    std::vector<TSzacunek> szacunki;
    szacunki.reserve(wiersze.size());
    for (const TWierszRaportu& wiersz : wiersze) {
        if (kolumna >= wiersz.komorki.size())
            continue;
        const QString& tekst = wiersz.komorki[kolumna];
        if (szacunki.empty() || *szacunki.back().tekst != tekst)
            szacunki.push_back({Przyblizona(tekst), &tekst});
    }
    if (szacunki.empty())
        return 0;
    const auto najszerszy = std::max_element(
        szacunki.begin(), szacunki.end(),
        [](const TSzacunek& a, const TSzacunek& b) { return a.szerokosc < b.szerokosc; });
    int wynik = Dokladna(*najszerszy->tekst);
    const auto koniec = Kandydaci(szacunki, wynik);
    const QString* poprzedni = nullptr;
    for (auto s = szacunki.begin(); s != koniec; ++s) {
        // Narrower estimates cannot beat the widest text measured so far.
        if (s->szerokosc + Zapas(s->szerokosc) < wynik)
            break;
        if (poprzedni && *poprzedni == *s->tekst)
            continue;
        wynik = std::max(wynik, Dokladna(*s->tekst));
        poprzedni = s->tekst;
    }
    return wynik;
}

QList<int> TSzerokosciKolumn::Szerokosci(const QStringList& tytuly,
                                         const std::vector<TWierszRaportu>& wiersze) {
    QList<int> szerokosci;
    for (int kolumna = 0; kolumna < tytuly.size(); ++kolumna)
        szerokosci.append(
            std::max(Dokladna(tytuly[kolumna]), NajszerszyWKolumnie(kolumna, wiersze)));
    return szerokosci;
}
