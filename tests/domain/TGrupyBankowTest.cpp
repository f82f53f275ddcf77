#include "domain/TGrupyBankow.h"
#include "format/PorownanieTekstow.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The groups as a scan of the known banks with the collator finds them: the
// first bank equal to the name when letter case is ignored, else a new group.
std::vector<int> GrupySkanem(const QStringList& banki, QStringList& naglowki) {
    std::vector<int> grupy;
    for (const QString& bank : banki) {
        int grupa = -1;
        for (int i = 0; i < naglowki.size() && grupa < 0; ++i)
            if (TekstyRowne(naglowki[i], bank, TWielkoscLiter::Ignoruj))
                grupa = i;
        if (grupa < 0) {
            grupa = static_cast<int>(naglowki.size());
            naglowki.append(bank);
        }
        grupy.push_back(grupa);
    }
    return grupy;
}

TEST(TGrupyBankowTest, SpellingsEqualIgnoringCaseShareTheFirstOnesGroup) {
    const QStringList banki{"Bank Śląski", "mBank", "BANK ŚLĄSKI", "Bank Slaski",
                            "MBANK",       "",      "bank śląski", "mBank"};
    TGrupyBankow grupy;
    std::vector<int> wynik;
    for (const QString& bank : banki)
        wynik.push_back(grupy.Grupa(bank));
    EXPECT_EQ(wynik, (std::vector<int>{0, 1, 0, 2, 1, 3, 0, 1}));
    EXPECT_EQ(grupy.Naglowki(), QStringList({"Bank Śląski", "mBank", "Bank Slaski", ""}));
}

TEST(TGrupyBankowTest, JoinsTheSameSpellingsAsAScanWithTheCollator) {
    // A combining ogonek equals the precomposed letter; a zero-width space
    // or a control character is ignored by the collation, but an empty name
    // is a bank of its own.
    const QStringList banki{QString::fromUtf8("Bank A\u0328"),
                            "Bank Ą",
                            "bank ą",
                            "Bank A",
                            QString::fromUtf8("Bank\u200B A"),
                            QString::fromUtf8("\u200B"),
                            "",
                            QString(QChar(1)),
                            QString::fromUtf8("\uFF42ank a"),
                            "Łódź",
                            "ŁÓDŹ",
                            "Lodz",
                            "Bank Ą"};
    // As given, in the order of a sorted catalogue (where each new spelling
    // is collated only with the last group's bank), and sorted with the
    // given ones after them (where the order breaks).
    QStringList posortowane = banki;
    std::stable_sort(posortowane.begin(), posortowane.end(),
                     [](const QString& a, const QString& b) {
                         return PorownajTeksty(a, b, TWielkoscLiter::Rozrozniaj) < 0;
                     });
    for (const QStringList& przypadek : {banki, posortowane, posortowane + banki}) {
        QStringList naglowkiSkanu;
        const std::vector<int> oczekiwane = GrupySkanem(przypadek, naglowkiSkanu);
        TGrupyBankow grupy;
        for (qsizetype i = 0; i < przypadek.size(); ++i)
            EXPECT_EQ(grupy.Grupa(przypadek[i]), oczekiwane[static_cast<size_t>(i)])
                << przypadek[i].toStdString();
        EXPECT_EQ(grupy.Naglowki(), naglowkiSkanu);
    }
}

} // namespace
