#include "common/Fixtures.h"
#include "import/EImportError.h"
#include "import/ParserStronyLokat.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

namespace {

// Pieces that steer the parser, inserted at random places.
const char* const kWstawki[] = {
    "<td>",
    "</td>",
    "<tr class=r9>",
    "</tr>",
    "<",
    ">",
    "\"",
    "'",
    "|",
    "<div>",
    "</div>",
    "<b>",
    "%",
    "TagToTip('",
    "');\"",
    "<br>",
    "&amp;",
    "&#",
    "\xC5",
    "\xFF",
    "<table id=lokaty>",
    "<div class=hidden>",
    "M",
    "D",
    "R",
    "konto oszcz",
    "<!--",
    "<script>",
    "\r\n",
    "99999999999999999999",
};

class Mutator {
public:
    explicit Mutator(uint32_t ziarno) : fLosowe(ziarno) {}

    QByteArray Zmien(QByteArray strona) {
        const int zmiany = Liczba(1, 8);
        for (int i = 0; i < zmiany && !strona.isEmpty(); ++i) {
            const qsizetype miejsce = Liczba(0, static_cast<int>(strona.size()) - 1);
            const qsizetype dlugosc = std::min<qsizetype>(Liczba(1, 64), strona.size() - miejsce);
            switch (Liczba(0, 4)) {
            case 0:
                strona[miejsce] = static_cast<char>(Liczba(0, 255));
                break;
            case 1:
                strona.remove(miejsce, dlugosc);
                break;
            case 2:
                strona.insert(miejsce, kWstawki[Liczba(0, std::size(kWstawki) - 1)]);
                break;
            case 3:
                strona.insert(miejsce, strona.mid(miejsce, dlugosc));
                break;
            default:
                strona.truncate(miejsce + dlugosc);
            }
        }
        return strona;
    }

private:
    int Liczba(int od, int doIlu) { return std::uniform_int_distribution<int>(od, doIlu)(fLosowe); }

    std::mt19937 fLosowe;
};

TEST(ParserStronyLokatFuzzTest, MutatedPagesNeverCrashOrHang) {
    const QByteArray strony[] = {CzytajFixture("strona_lokat.html"),
                                 CzytajFixture("strona_lokat_wielkie_litery.html"),
                                 CzytajFixture("strona_lokat_iso8859-2.html")};
    const QString bank = QStringLiteral("Bank");
    Mutator mutator(20261210);
    int zOfertami = 0;
    int zBledem = 0;
    QElapsedTimer czas;
    czas.start();
    for (int i = 0; i < 10000; ++i) {
        const QByteArray strona = mutator.Zmien(strony[i % std::size(strony)]);
        try {
            int oferty = 0;
            ParsujTrescStrony(strona, bank, [&](TOferta o) {
                ASSERT_EQ(o->fBank, bank);
                ++oferty;
            });
            zOfertami += oferty > 0;
        } catch (const EImportError&) {
            ++zBledem;
        } catch (const std::exception& e) {
            FAIL() << "page " << i << ": unexpected error " << e.what();
        }
        // A hang guard, far above what the pages need.
        ASSERT_LT(czas.elapsed(), 120000) << "stuck at page " << i;
    }
    // The mutations reached both the offers and the page errors.
    EXPECT_GT(zOfertami, 1000);
    EXPECT_GT(zBledem, 1000);
}

} // namespace
