#include "data/TZbiorTekstow.h"

#include <QLocale>
#include <algorithm>

namespace {

// The lower-case form of a Polish letter outside ASCII; 0 for any other
// character.
char16_t MalaLiteraPolska(char16_t znak) {
    static constexpr char16_t kWielkie[] = u"ĄĆĘŁŃÓŚŹŻ";
    static constexpr char16_t kMale[] = u"ąćęłńóśźż";
    for (size_t i = 0; i + 1 < std::size(kWielkie); ++i)
        if (znak == kWielkie[i] || znak == kMale[i])
            return kMale[i];
    return 0;
}

// The lower-case form of a printable ASCII character or a Polish letter; 0
// for any other character.
inline char16_t MalaLitera(char16_t znak) {
    if (znak >= u' ' && znak <= u'~')
        return znak >= u'A' && znak <= u'Z' ? static_cast<char16_t>(znak + (u'a' - u'A')) : znak;
    return znak < 0x80 ? 0 : MalaLiteraPolska(znak);
}

} // namespace

TZbiorTekstow::TZbiorTekstow(TWielkoscLiter tryb)
    : fTryb(tryb), fKolator(KolatorTekstow(tryb)),
      fProste(fKolator.locale().language() == QLocale::Polish) {}

bool TZbiorTekstow::Dodaj(const QString& tekst) {
    size_t hash = 0;
    if (fProste && HashProsty(tekst, hash))
        return DodajProsty(tekst, hash);
    if (fProste)
        PrzejdzNaKolacje();
    return fTeksty.emplace(tekst, fKolator).second;
}

bool TZbiorTekstow::HashProsty(const QString& tekst, size_t& hash) const {
    // FNV-1a over the simple form's code units.
    hash = 14695981039346656037ULL;
    for (const QChar znak : tekst) {
        const char16_t mala = MalaLitera(znak.unicode());
        if (mala == 0)
            return false;
        hash =
            (hash ^ (fTryb == TWielkoscLiter::Ignoruj ? mala : znak.unicode())) * 1099511628211ULL;
    }
    return true;
}

bool TZbiorTekstow::RowneProste(const QString& a, const QString& b) const {
    if (fTryb == TWielkoscLiter::Rozrozniaj || a.size() != b.size())
        return a == b;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (MalaLitera(a[i].unicode()) != MalaLitera(b[i].unicode()))
            return false;
    return true;
}

bool TZbiorTekstow::DodajProsty(const QString& tekst, size_t hash) {
    if (2 * (fDodane.size() + 1) > fSloty.size())
        PowiekszSloty();
    const size_t maska = fSloty.size() - 1;
    size_t slot = hash & maska;
    for (; fSloty[slot] != 0; slot = (slot + 1) & maska) {
        const size_t indeks = fSloty[slot] - 1;
        if (fHashe[indeks] == hash && RowneProste(fDodane[indeks], tekst))
            return false;
    }
    fSloty[slot] = static_cast<uint32_t>(fDodane.size() + 1);
    fDodane.push_back(tekst);
    fHashe.push_back(hash);
    return true;
}

void TZbiorTekstow::PowiekszSloty() {
    fSloty.assign(std::max<size_t>(64, 2 * fSloty.size()), 0);
    const size_t maska = fSloty.size() - 1;
    for (size_t i = 0; i < fHashe.size(); ++i) {
        size_t slot = fHashe[i] & maska;
        while (fSloty[slot] != 0)
            slot = (slot + 1) & maska;
        fSloty[slot] = static_cast<uint32_t>(i + 1);
    }
}

void TZbiorTekstow::PrzejdzNaKolacje() {
    fProste = false;
    for (const QString& tekst : fDodane)
        fTeksty.emplace(tekst, fKolator);
    fDodane.clear();
    fHashe.clear();
    fSloty.clear();
}
