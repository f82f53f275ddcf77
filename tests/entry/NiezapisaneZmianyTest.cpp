// "Zapisz i zamknij" when a list cannot be written: the user is told which
// list was not saved, nothing is written half, and the unsaved changes are
// still there at the next showing, which writes every row exactly once.
#include "ModulLokatTestowy.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"

#include <functional>

namespace {

using M = TTypModyfikacji;

struct Awaria {
    const char* nazwa;
    std::function<void(TSQLiteDatabase&)> wywolaj, napraw;
    bool bladPolecenia; // the batch runner shows the failing statement's error
    bool lokatyZapisane;
    const char* komunikat;
};

void PrintTo(const Awaria& awaria, std::ostream* os) {
    *os << awaria.nazwa;
}

std::function<void(TSQLiteDatabase&)> Wyzwalacz(const char* tabela) {
    return [tabela](TSQLiteDatabase& baza) {
        baza.ExecSQL(QStringLiteral("CREATE TRIGGER Awaria BEFORE INSERT ON %1 BEGIN "
                                    "SELECT RAISE(ABORT, 'awaria zapisu'); END")
                         .arg(QLatin1String(tabela)));
    };
}

void UsunWyzwalacz(TSQLiteDatabase& baza) {
    baza.ExecSQL("DROP TRIGGER Awaria");
}

const char* const kLokatyNiezapisane =
    "Nie udało się zapisać listy lokat !!!\rNie zapisano więc również listy lokat oferowanych "
    "przez banki - w bazie danych nie zmieniło się nic.\rZmiany nie zostały utracone: pozostają "
    "w programie i będą widoczne po ponownym otwarciu modułu. Aby je zapisać, kliknij w nim "
    "jeszcze raz w przycisk \"Zapisz i zamknij\"; zamknięcie okna \"krzyżykiem\" odrzuci te "
    "zmiany.";
const char* const kOfertyNiezapisane =
    "Nie udało się zapisać listy lokat oferowanych przez banki !!!\rLista lokat została "
    "zapisana, ale zmiany na liście lokat oferowanych przez banki nie trafiły do bazy danych.\r"
    "Zmiany nie zostały utracone: pozostają w programie i będą widoczne po ponownym otwarciu "
    "modułu. Aby je zapisać, kliknij w nim jeszcze raz w przycisk \"Zapisz i zamknij\"; "
    "zamknięcie okna \"krzyżykiem\" odrzuci te zmiany.";

const Awaria kAwarie[] = {
    {"deposits", Wyzwalacz("Lokaty"), UsunWyzwalacz, true, false, kLokatyNiezapisane},
    {"offers", Wyzwalacz("HarmonogramyLokat"), UsunWyzwalacz, true, true, kOfertyNiezapisane},
    {"open_transaction", [](TSQLiteDatabase& b) { b.BeginTransaction(); },
     [](TSQLiteDatabase& b) { b.Rollback(); }, false, false, kLokatyNiezapisane},
};

class NiezapisaneZmiany : public ModulLokatTestowy, public testing::WithParamInterface<Awaria> {
protected:
    void PokazIZapisz() {
        WhenModalShows([](QWidget& okno) { ClickButton(okno, "btn_OK"); });
        ModulLokat().SetApplicationVariables(nullptr, projekt.get());
        ModulLokat().ShowFormVQ();
        EXPECT_EQ(ModulLokat().LastError(), "");
    }

    template <class T> static QList<M> Zmiany(const TListaObiektow<T>& lista) {
        QList<M> zmiany;
        for (const auto& rekord : lista)
            zmiany << rekord->Zmiany();
        return zmiany;
    }

    ModalWatchdog straznik;
};

TEST_P(NiezapisaneZmiany, TheUserIsToldAndTheNextShowingSavesEachRowOnce) {
    const Awaria& awaria = GetParam();
    ZmienWPamieci(true);
    awaria.wywolaj(Baza());

    PokazIZapisz();

    // Told which list was not saved, after the statement's own error.
    const QStringList teksty = komunikaty.texts();
    ASSERT_EQ(teksty.size(), awaria.bladPolecenia ? 2 : 1) << teksty.join('\n').toStdString();
    if (awaria.bladPolecenia) {
        EXPECT_TRUE(teksty[0].contains("awaria zapisu")) << teksty[0].toStdString();
    }
    EXPECT_EQ(komunikaty.messages.last().caption, "BŁĄD !!!");
    EXPECT_EQ(komunikaty.messages.last().icon, TMessageIcon::Error);
    EXPECT_EQ(teksty.last(), QString::fromUtf8(awaria.komunikat));

    // Nothing written half: a list is in the file whole or not at all, and
    // the offers never without the deposits.
    awaria.napraw(Baza());
    EXPECT_EQ(Lokaty(), awaria.lokatyZapisane ? kLokatyPo : kLokatyPrzed);
    EXPECT_EQ(Oferty(), kOfertyPrzed);

    // The changes wait: a written list holds its stored rows, a failed one its marks.
    TKolekcjeDanych& k = Kolekcje();
    EXPECT_TRUE(k.ZmienionoINiezapisanoLokaty());
    const QList<M> lokatyWPamieci = awaria.lokatyZapisane ? QList<M>{M::BezZmian, M::BezZmian}
                                                          : QList<M>{M::Zmieniono, M::Dodano};
    EXPECT_EQ(Zmiany(k.Lokaty()), lokatyWPamieci);
    EXPECT_EQ(Zmiany(k.HarmonogramyLokatBankowych()), (QList<M>{M::BezZmian, M::Dodano}));
    if (awaria.lokatyZapisane) {
        EXPECT_EQ(k.Lokaty().at(1)->Id(), Baza().GetTableValue("SELECT max(Id) FROM Lokaty"));
    }

    // The next showing loads no offers over them and writes every row once.
    komunikaty.messages.clear();
    PokazIZapisz();
    EXPECT_TRUE(komunikaty.messages.isEmpty()) << komunikaty.texts().join('\n').toStdString();
    EXPECT_EQ(Lokaty(), kLokatyPo);
    EXPECT_EQ(Oferty(), kOfertyPo);
    EXPECT_EQ(Dziennik().count("Lokaty: Nowa lokata"), 1);
    EXPECT_TRUE(k.Lokaty().empty());
    EXPECT_TRUE(k.HarmonogramyLokatBankowych().empty());
    EXPECT_FALSE(k.ZmienionoINiezapisanoLokaty());
}

INSTANTIATE_TEST_SUITE_P(Awarie, NiezapisaneZmiany, testing::ValuesIn(kAwarie),
                         [](const testing::TestParamInfo<Awaria>& info) {
                             return std::string(info.param.nazwa);
                         });

} // namespace
