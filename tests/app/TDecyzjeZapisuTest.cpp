// The save decisions of the deposits window, without a window: whether an
// unsaved offer blocks a deposit command or is saved first, and whether the
// window may close without saving.
#include "app/TDecyzjeZapisu.h"

#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

namespace {

const QString kOdmowa = QStringLiteral("Nie można dodać nowej lokaty !!!\r");
const QString kNiezapisane = QStringLiteral(
    "Co najmniej jedna lokata bankowa została dodana lub zmieniona i nie jest zapisana. Zamknij "
    "najpierw ten moduł klikając w przycisk \"Zapisz i zamknij\" aby zapisać wprowadzone zmiany "
    "po czym uruchom go ponownie aby móc dodać nową lokatę.");
const QString kZapisac = QStringLiteral(
    "Co najmniej jedna lokata bankowa została dodana lub zmieniona i nie jest zapisana, a lokata "
    "może wskazywać tylko zapisaną lokatę bankową. Czy zapisać teraz wszystkie zmiany? Okno "
    "pozostanie otwarte.");

class TDecyzjeZapisuTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        plik = std::make_unique<TProjektDB>(QDir(katalog.path()).filePath("DataFile.dat"));
        projekt = plik.get();
        plik->Kolekcje().HarmonogramyLokatBankowych().clear();
    }

    void NowaOferta() {
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fBank = QStringLiteral("Bank");
        oferta->fZmiany = TTypModyfikacji::Dodano;
        plik->Kolekcje().HarmonogramyLokatBankowych().push_back(std::move(oferta));
    }

    ScriptedMessageBoxes komunikaty;
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> plik;
    TProjektDB* projekt = nullptr;
    int zapisyWOknie = 0;
    bool zapisUdany = true;
    TDecyzjeZapisu decyzje{projekt, [this] {
                               ++zapisyWOknie;
                               return zapisUdany;
                           }};
};

TEST_F(TDecyzjeZapisuTest, NiezapisanaOfertaBlokujeLubJestZapisywanaNaZyczenie) {
    const struct {
        const char* opis;
        bool nowaOferta;
        bool zapisWMiejscu;
        bool tylkoDoOdczytu;
        std::deque<TMessageResult> odpowiedzi;
        bool udany;
        bool wynik;
        QStringList komunikaty;
        int zapisy;
    } przypadki[] = {
        {"offers saved", false, true, false, {}, true, true, {}, 0},
        {"no in-place save", true, false, false, {}, true, false, {kOdmowa + kNiezapisane}, 0},
        {"read only", true, true, true, {}, true, false, {kOdmowa + kNiezapisane}, 0},
        {"user declines", true, true, false, {TMessageResult::No}, true, false, {kZapisac}, 0},
        {"saved", true, true, false, {TMessageResult::Yes}, true, true, {kZapisac}, 1},
        {"the save fails", true, true, false, {TMessageResult::Yes}, false, false, {kZapisac}, 1},
    };
    for (const auto& p : przypadki) {
        plik->Kolekcje().HarmonogramyLokatBankowych().clear();
        if (p.nowaOferta)
            NowaOferta();
        plik->SetOtwartyTylkoDoOdczytu(p.tylkoDoOdczytu);
        decyzje.UstawZapisWMiejscu(p.zapisWMiejscu ? TDecyzjeZapisu::TZapisWMiejscu(
                                                         [] { return TDecyzjeZapisu::TNoweId{}; })
                                                   : TDecyzjeZapisu::TZapisWMiejscu());
        komunikaty.messages.clear();
        komunikaty.answers = p.odpowiedzi;
        zapisyWOknie = 0;
        zapisUdany = p.udany;
        EXPECT_EQ(decyzje.OfertyZapisaneLubZapisz(kOdmowa), p.wynik) << p.opis;
        EXPECT_EQ(komunikaty.texts(), p.komunikaty) << p.opis;
        EXPECT_EQ(zapisyWOknie, p.zapisy) << p.opis;
    }
}

TEST_F(TDecyzjeZapisuTest, ZamkniecieBezZapisuPytaTylkoPrzyZmianach) {
    const QString pytanie = QStringLiteral(
        "Lista lokat bankowych i(lub) lista lokat oferowanych przez banki zostały zmienione.\rAby "
        "zapisać dokonane zmiany należy kliknąć w przycisk \"Zapisz i zamknij\", zamknięcie okna "
        "klikając w \"krzyżyk\" spowoduje utratę wprowadzonych zmian !!!\r\rCzy chcesz zamknąć "
        "to okno BEZ ZAPISANIA dokonanych zmian ???");
    const struct {
        const char* opis;
        bool kliknietoOK;
        bool zmiany;
        TMessageResult odpowiedz;
        bool wynik;
        bool pytano;
    } przypadki[] = {
        {"no changes", false, false, TMessageResult::Yes, true, false},
        {"closed by saving", true, true, TMessageResult::No, true, false},
        {"changes kept", false, true, TMessageResult::No, false, true},
        {"changes dropped", false, true, TMessageResult::Yes, true, true},
    };
    for (const auto& p : przypadki) {
        plik->Kolekcje().SetZmienionoINiezapisanoLokaty(p.zmiany);
        komunikaty.messages.clear();
        komunikaty.answers = {p.odpowiedz};
        EXPECT_EQ(decyzje.MoznaZamknac(p.kliknietoOK), p.wynik) << p.opis;
        ASSERT_EQ(komunikaty.messages.size(), p.pytano ? 1 : 0) << p.opis;
        if (!p.pytano)
            continue;
        const TMessage& m = komunikaty.messages[0];
        EXPECT_EQ(m.text, pytanie);
        EXPECT_EQ(m.caption, QStringLiteral("BŁĄD !!!"));
        EXPECT_EQ(m.icon, TMessageIcon::Warning);
        EXPECT_TRUE(m.defaultNo);
    }
    // Without a project there is nothing to lose.
    projekt = nullptr;
    EXPECT_TRUE(decyzje.MoznaZamknac(false));
}

TEST_F(TDecyzjeZapisuTest, ZapisWPlikuTylkoGdyMozliwy) {
    int wywolania = 0;
    EXPECT_FALSE(decyzje.ZapiszWPliku());
    decyzje.UstawZapisWMiejscu([&wywolania] {
        ++wywolania;
        return TDecyzjeZapisu::TNoweId{{2001, 7}};
    });
    plik->SetOtwartyTylkoDoOdczytu(true);
    EXPECT_FALSE(decyzje.ZapiszWPliku());
    EXPECT_EQ(wywolania, 0);
    plik->SetOtwartyTylkoDoOdczytu(false);
    const auto noweId = decyzje.ZapiszWPliku();
    ASSERT_TRUE(noweId);
    EXPECT_EQ(TDecyzjeZapisu::IdPoZapisie(*noweId, 2001), 7);
    EXPECT_EQ(TDecyzjeZapisu::IdPoZapisie(*noweId, 3), 3);
}

} // namespace
