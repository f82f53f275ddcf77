#include "data/TUstawieniaLokat.h"
#include "format/TFormatSettings.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {

class UstawieniaLokatTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        QSettings("Brenvik", "Talvora").clear();
    }
    void TearDown() override { QSettings("Brenvik", "Talvora").clear(); }
};

TEST_F(UstawieniaLokatTest, DefaultsWithNothingStored) {
    EXPECT_TRUE(TUstawieniaLokat::PolaczoneBanki().empty());
    EXPECT_EQ(TUstawieniaLokat::DniDoNieaktualnosci(), 30);
    EXPECT_EQ(TUstawieniaLokat::DniDoZakonczenia(), 7);
    EXPECT_FALSE(TUstawieniaLokat::ZapisanyKurs().has_value());
    EXPECT_FALSE(TUstawieniaLokat::OstatniePobranieKursu().has_value());
    EXPECT_EQ(TUstawieniaLokat::KursDoUzycia().zrodlo, TZrodloKursu::Wbudowany);
}

TEST_F(UstawieniaLokatTest, BankPairsAreStoredCleanedOnceEach) {
    TUstawieniaLokat::UstawPolaczoneBanki({{" Alfa Bank ", "Alfa Direct"},
                                           {"alfa direct", "ALFA BANK"},
                                           {"Beta", "beta"},
                                           {"", "Gamma"},
                                           {"Beta", "Gamma"}});
    const std::vector<TParaBankow> oczekiwane{{"Alfa Bank", "Alfa Direct"}, {"Beta", "Gamma"}};
    EXPECT_EQ(TUstawieniaLokat::PolaczoneBanki(), oczekiwane);
    // In the user's store under the documented keys.
    QSettings ustawienia("Brenvik", "Talvora");
    EXPECT_EQ(ustawienia.value("Gwarancje/PolaczoneBanki/2/TenSamCo").toString(), "Gamma");

    TUstawieniaLokat::UstawPolaczoneBanki({});
    EXPECT_TRUE(TUstawieniaLokat::PolaczoneBanki().empty());
}

TEST_F(UstawieniaLokatTest, DaySettingsKeepToTheirRange) {
    struct Case {
        QVariant zapisane;
        int odczytane;
    } cases[] = {{45, 45}, {0, 1}, {-3, 1}, {99999, 3650}, {"abc", 30}, {QVariant(), 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zapisane.toString().toStdString());
        QSettings("Brenvik", "Talvora").setValue("Oferty/DniDoNieaktualnosci", c.zapisane);
        EXPECT_EQ(TUstawieniaLokat::DniDoNieaktualnosci(), c.odczytane);
    }
    TUstawieniaLokat::UstawDniDoZakonczenia(14);
    EXPECT_EQ(TUstawieniaLokat::DniDoZakonczenia(), 14);
    EXPECT_EQ(QSettings("Brenvik", "Talvora").value("Lokaty/DniDoZakonczenia").toInt(), 14);
}

TEST_F(UstawieniaLokatTest, StoredRateWithItsDayAndTheDayOfTheLastDownload) {
    EXPECT_TRUE(TUstawieniaLokat::ZapiszKurs(4.263, EncodeDateTime(2026, 12, 9, 12, 15)));
    TUstawieniaLokat::UstawOstatniePobranieKursu(EncodeDateTime(2026, 12, 10, 9, 0));

    const std::optional<TKursEUR> kurs = TUstawieniaLokat::ZapisanyKurs();
    ASSERT_TRUE(kurs.has_value());
    EXPECT_DOUBLE_EQ(kurs->kurs, 4.263);
    EXPECT_EQ(kurs->DataISO(), "2026-12-09");
    EXPECT_EQ(kurs->zrodlo, TZrodloKursu::Zapisany);
    EXPECT_EQ(TUstawieniaLokat::KursDoUzycia().zrodlo, TZrodloKursu::Zapisany);
    EXPECT_EQ(TUstawieniaLokat::OstatniePobranieKursu(), EncodeDate(2026, 12, 10));

    // A rate out of range is not stored over a good one.
    EXPECT_FALSE(TUstawieniaLokat::ZapiszKurs(42.63, EncodeDate(2026, 12, 10)));
    EXPECT_DOUBLE_EQ(TUstawieniaLokat::ZapisanyKurs()->kurs, 4.263);
}

TEST_F(UstawieniaLokatTest, AStoredRateThatIsDamagedIsNotUsed) {
    struct Case {
        QVariant kurs, data;
    } cases[] = {
        {"4,26", "2026-12-09"}, {0.4, "2026-12-09"}, {4.26, "9.12.2026"}, {4.26, QVariant()}};
    for (const Case& c : cases) {
        SCOPED_TRACE((c.kurs.toString() + " " + c.data.toString()).toStdString());
        QSettings ustawienia("Brenvik", "Talvora");
        ustawienia.setValue("Gwarancje/KursEUR", c.kurs);
        ustawienia.setValue("Gwarancje/DataKursu", c.data);
        ustawienia.sync();
        EXPECT_FALSE(TUstawieniaLokat::ZapisanyKurs().has_value());
        EXPECT_EQ(TUstawieniaLokat::KursDoUzycia().zrodlo, TZrodloKursu::Wbudowany);
    }
}

} // namespace
