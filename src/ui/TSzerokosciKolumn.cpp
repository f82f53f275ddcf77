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
    struct Szacunek {
        qreal szerokosc;
        const QString* tekst;
    };
    std::vector<Szacunek> szacunki;
    szacunki.reserve(wiersze.size());
    Szacunek najszerszy{-1, nullptr};
    for (const TWierszRaportu& wiersz : wiersze) {
        if (kolumna >= wiersz.komorki.size())
            continue;
        const QString& tekst = wiersz.komorki[kolumna];
        // Rows often share one text (a bank's name, a formatted rate): its
        // estimate is the previous one.
        const bool takiSam = !szacunki.empty() &&
                             szacunki.back().tekst->constData() == tekst.constData() &&
                             szacunki.back().tekst->size() == tekst.size();
        szacunki.push_back({takiSam ? szacunki.back().szerokosc : Przyblizona(tekst), &tekst});
        if (szacunki.back().szerokosc > najszerszy.szerokosc)
            najszerszy = szacunki.back();
    }
    if (!najszerszy.tekst)
        return 0;
    // Only the estimates that come close to the widest one measured can beat
    // it; they are measured widest first.
    int wynik = Dokladna(*najszerszy.tekst);
    std::erase_if(szacunki,
                  [wynik](const Szacunek& s) { return s.szerokosc + Zapas(s.szerokosc) < wynik; });
    std::sort(szacunki.begin(), szacunki.end(),
              [](const Szacunek& a, const Szacunek& b) { return a.szerokosc > b.szerokosc; });
    const QString* poprzedni = nullptr;
    for (const Szacunek& s : szacunki) {
        // Narrower estimates cannot beat the widest text measured so far.
        if (s.szerokosc + Zapas(s.szerokosc) < wynik)
            break;
        if (poprzedni && *poprzedni == *s.tekst)
            continue;
        wynik = std::max(wynik, Dokladna(*s.tekst));
        poprzedni = s.tekst;
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
