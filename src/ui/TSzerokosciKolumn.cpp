#include "ui/TSzerokosciKolumn.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Up to this many texts close to the widest are shaped one by one; more of
// them are weighed by their kerned pairs.
constexpr std::size_t kBliskichKsztaltowanych = 64;
// How many of the widest by pairs are shaped to check the pairs.
constexpr std::size_t kSprawdzanychParami = 8;

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
    fKsztaltowane.fill(-1);
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
    std::vector<Szacunek> szacunki;
    szacunki.reserve(wiersze.size());
    Szacunek najszerszy{-1, nullptr};
    for (const TWierszRaportu& wiersz : wiersze) {
        if (kolumna >= wiersz.komorki.size())
            continue;
        const QString& tekst = wiersz.komorki[kolumna];
        // Rows often share one text (a bank's name, a formatted rate): it
        // is weighed once.
        if (!szacunki.empty() && szacunki.back().tekst->constData() == tekst.constData() &&
            szacunki.back().tekst->size() == tekst.size())
            continue;
        szacunki.push_back({Przyblizona(tekst), &tekst});
        if (szacunki.back().szerokosc > najszerszy.szerokosc)
            najszerszy = szacunki.back();
    }
    if (!najszerszy.tekst)
        return 0;
    // Only the estimates that come close to the widest one measured can beat it.
    const int wynik = Dokladna(*najszerszy.tekst);
    const std::vector<Szacunek> bliskie = Bliskie(std::move(szacunki), wynik);
    if (bliskie.size() > kBliskichKsztaltowanych) {
        const int wedlugPar = NajszerszyWedlugPar(bliskie, wynik);
        if (wedlugPar >= 0)
            return wedlugPar;
    }
    return NajszerszyDokladnie(bliskie, wynik);
}

std::vector<TSzerokosciKolumn::Szacunek> TSzerokosciKolumn::Bliskie(std::vector<Szacunek> szacunki,
                                                                    int wynik) {
    std::erase_if(szacunki,
                  [wynik](const Szacunek& s) { return s.szerokosc + Zapas(s.szerokosc) < wynik; });
    std::sort(szacunki.begin(), szacunki.end(),
              [](const Szacunek& a, const Szacunek& b) { return a.szerokosc > b.szerokosc; });
    return szacunki;
}

int TSzerokosciKolumn::NajszerszyDokladnie(const std::vector<Szacunek>& bliskie, int wynik) {
    const QString* poprzedni = nullptr;
    for (const Szacunek& s : bliskie) {
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

int TSzerokosciKolumn::NajszerszyWedlugPar(const std::vector<Szacunek>& bliskie, int wynik) {
    std::vector<Szacunek> wedlugPar;
    wedlugPar.reserve(bliskie.size());
    for (const Szacunek& s : bliskie) {
        // Copies of one text have one estimate: they often come in a row.
        const bool kopia = !wedlugPar.empty() && *wedlugPar.back().tekst == *s.tekst;
        if (!kopia)
            wedlugPar.push_back({WedlugPar(*s.tekst), s.tekst});
    }
    const auto sprawdzane = std::min(kSprawdzanychParami, wedlugPar.size());
    std::partial_sort(
        wedlugPar.begin(), wedlugPar.begin() + static_cast<std::ptrdiff_t>(sprawdzane),
        wedlugPar.end(),
        [](const Szacunek& a, const Szacunek& b) { return a.szerokosc > b.szerokosc; });
    // The widest by pairs is the widest of all once shaping confirms it;
    // the next few are shaped too, to see that the pairs hold in this font.
    for (std::size_t i = 0; i < sprawdzane; ++i) {
        const int dokladna = Dokladna(*wedlugPar[i].tekst);
        if (dokladna != qRound(wedlugPar[i].szerokosc))
            return -1;
        wynik = std::max(wynik, dokladna);
    }
    return wynik;
}

qreal TSzerokosciKolumn::WedlugPar(const QString& tekst) {
    if (std::any_of(tekst.begin(), tekst.end(), WymagaKsztaltowania))
        return Dokladna(tekst);
    if (tekst.size() < 2)
        return tekst.isEmpty() ? 0 : Ksztaltowany(tekst[0]);
    qreal suma = Para(tekst[0], tekst[1]);
    for (qsizetype i = 1; i + 1 < tekst.size(); ++i)
        suma += Para(tekst[i], tekst[i + 1]) - Ksztaltowany(tekst[i]);
    return suma;
}

qreal TSzerokosciKolumn::Ksztaltowany(QChar znak) {
    const char16_t kod = znak.unicode();
    if (kod >= fKsztaltowane.size())
        return fMiara.horizontalAdvance(QString(znak));
    if (fKsztaltowane[kod] < 0)
        fKsztaltowane[kod] = fMiara.horizontalAdvance(QString(znak));
    return fKsztaltowane[kod];
}

qreal TSzerokosciKolumn::Para(QChar pierwszy, QChar drugi) {
    const char16_t kod = pierwszy.unicode();
    const char16_t kodDrugiego = drugi.unicode();
    const QChar para[] = {pierwszy, drugi};
    if (kod >= fPary.size() || kodDrugiego >= fKsztaltowane.size())
        return fMiara.horizontalAdvance(QString(para, 2));
    auto& zPierwszym = fPary[kod];
    if (!zPierwszym) {
        zPierwszym = std::make_unique<std::array<qreal, 0x180>>();
        zPierwszym->fill(-1);
    }
    qreal& szerokosc = (*zPierwszym)[kodDrugiego];
    if (szerokosc < 0)
        szerokosc = fMiara.horizontalAdvance(QString(para, 2));
    return szerokosc;
}

QList<int> TSzerokosciKolumn::Szerokosci(const QStringList& tytuly,
                                         const std::vector<TWierszRaportu>& wiersze) {
    QList<int> szerokosci;
    for (int kolumna = 0; kolumna < tytuly.size(); ++kolumna)
        szerokosci.append(
            std::max(Dokladna(tytuly[kolumna]), NajszerszyWKolumnie(kolumna, wiersze)));
    return szerokosci;
}
