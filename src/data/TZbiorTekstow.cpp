#include "data/TZbiorTekstow.h"

#include <QLocale>

namespace {

// The lower-case form of a printable ASCII character or a Polish letter; 0
// for any other character.
char16_t MalaLitera(char16_t znak) {
    if (znak >= u' ' && znak <= u'~')
        return znak >= u'A' && znak <= u'Z' ? static_cast<char16_t>(znak + (u'a' - u'A')) : znak;
    static constexpr char16_t kWielkie[] = u"ĄĆĘŁŃÓŚŹŻ";
    static constexpr char16_t kMale[] = u"ąćęłńóśźż";
    for (size_t i = 0; i + 1 < std::size(kWielkie); ++i)
        if (znak == kWielkie[i] || znak == kMale[i])
            return kMale[i];
    return 0;
}

} // namespace

TZbiorTekstow::TZbiorTekstow(TWielkoscLiter tryb)
    : fTryb(tryb), fKolator(KolatorTekstow(tryb)),
      fProste(fKolator.locale().language() == QLocale::Polish), fTeksty(Mniejszy{&fKolator}) {}

bool TZbiorTekstow::Dodaj(const QString& tekst) {
    size_t hash = 0;
    if (fProste && HashProsty(tekst, hash))
        return DodajProsty(tekst, hash);
    if (fProste)
        PrzejdzNaKolacje();
    return fTeksty.insert(tekst).second;
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
    const auto [od, do_] = fIndeksy.equal_range(hash);
    for (auto it = od; it != do_; ++it)
        if (RowneProste(fDodane[it->second], tekst))
            return false;
    fIndeksy.emplace(hash, fDodane.size());
    fDodane.push_back(tekst);
    return true;
}

void TZbiorTekstow::PrzejdzNaKolacje() {
    fProste = false;
    for (const QString& tekst : fDodane)
        fTeksty.insert(tekst);
    fDodane.clear();
    fIndeksy.clear();
}
