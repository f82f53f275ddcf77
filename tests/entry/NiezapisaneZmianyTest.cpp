// "Zapisz i zamknij" when a list cannot be written: the user is told which
// list was not saved and why, nothing at all is written (the lists go in one
// transaction), and the unsaved changes are still there at the next showing,
// which writes every row exactly once.
#include "ModulLokatTestowy.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"

#include <QFile>
#include <QFileInfo>
#include <functional>

namespace {

using M = TTypModyfikacji;

struct Awaria {
    const char* nazwa;
    std::function<void(TSQLiteDatabase&)> wywolaj, napraw;
    const char* poczatek;   // the message's first line
    const char* bladSQLite; // what follows: SQLite's line or the Polish cause, maybe empty
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

QString PlikDanych(TSQLiteDatabase& baza) {
    return baza.GetTableString("SELECT file FROM pragma_database_list WHERE name = 'main'");
}

// Another program in the middle of reading the file: the save's statements
// run, its commit cannot take the file.
std::unique_ptr<TSQLiteDatabase> gCzytelnik;

void ZacznijCzytanie(TSQLiteDatabase& baza) {
    gCzytelnik = std::make_unique<TSQLiteDatabase>(PlikDanych(baza));
    gCzytelnik->BeginTransaction();
    gCzytelnik->GetTableValue("SELECT COUNT(*) FROM Lokaty");
}

void ZakonczCzytanie(TSQLiteDatabase&) {
    gCzytelnik.reset();
}

// A file where the backups' folder should be: no backup, so no save.
QString MiejsceKopii(TSQLiteDatabase& baza) {
    return QFileInfo(PlikDanych(baza)).absolutePath() + "/kopie";
}

void ZajmijMiejsceKopii(TSQLiteDatabase& baza) {
    QFile plik(MiejsceKopii(baza));
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
}

void ZwolnijMiejsceKopii(TSQLiteDatabase& baza) {
    QFile::remove(MiejsceKopii(baza));
}

const char* const kZmianyZostaja =
    "Zmiany nie zostały utracone: pozostają w programie i będą widoczne po ponownym otwarciu "
    "modułu. Aby je zapisać, kliknij w nim jeszcze raz w przycisk \"Zapisz i zamknij\"; "
    "zamknięcie okna \"krzyżykiem\" odrzuci te zmiany.";

const Awaria kAwarie[] = {
    {"deposits", Wyzwalacz("Lokaty"), UsunWyzwalacz,
     "Nie udało się zapisać zmian: nie zapisano listy \"Lokaty\" (zmiany naruszają reguły danych "
     "w pliku). W pliku danych nie zmieniło się nic.",
     "awaria zapisu"},
    {"offers", Wyzwalacz("HarmonogramyLokat"), UsunWyzwalacz,
     "Nie udało się zapisać zmian: nie zapisano listy \"Lokaty bankowe\" (zmiany naruszają "
     "reguły danych w pliku). W pliku danych nie zmieniło się nic.",
     "awaria zapisu"},
    {"commit", ZacznijCzytanie, ZakonczCzytanie,
     "Nie udało się zapisać zmian: nie zapisano list \"Lokaty\" i \"Lokaty bankowe\" (plik "
     "danych jest zablokowany przez inny program). W pliku danych nie zmieniło się nic.",
     "database is locked"},
    {"backup", ZajmijMiejsceKopii, ZwolnijMiejsceKopii,
     "Nie udało się zapisać zmian: nie zapisano list \"Lokaty\" i \"Lokaty bankowe\". W pliku "
     "danych nie zmieniło się nic.",
     "Nie udało się utworzyć kopii zapasowej pliku danych"},
    {"open_transaction", [](TSQLiteDatabase& b) { b.BeginTransaction(); },
     [](TSQLiteDatabase& b) { b.Rollback(); },
     "Nie udało się zapisać zmian: w pliku danych trwa inna operacja zapisu. W pliku danych nie "
     "zmieniło się nic.",
     ""},
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

    // Told in one box which list was not saved and why, SQLite's line below.
    const QStringList teksty = komunikaty.texts();
    ASSERT_EQ(teksty.size(), 1) << teksty.join('\n').toStdString();
    EXPECT_EQ(komunikaty.messages.last().caption, "BŁĄD !!!");
    EXPECT_EQ(komunikaty.messages.last().icon, TMessageIcon::Error);
    const QStringList linie = teksty[0].split('\r');
    EXPECT_EQ(linie.first(), QString::fromUtf8(awaria.poczatek)) << teksty[0].toStdString();
    EXPECT_TRUE(teksty[0].contains(QString::fromUtf8(awaria.bladSQLite)));
    EXPECT_TRUE(teksty[0].endsWith(QString::fromUtf8(kZmianyZostaja)));

    // Nothing written at all: the offers never without the deposits, nor the
    // deposits without the offers.
    awaria.napraw(Baza());
    EXPECT_EQ(Lokaty(), kLokatyPrzed);
    EXPECT_EQ(Oferty(), kOfertyPrzed);

    // The changes wait with their marks.
    TKolekcjeDanych& k = Kolekcje();
    EXPECT_TRUE(k.ZmienionoINiezapisanoLokaty());
    EXPECT_EQ(Zmiany(k.Lokaty()), (QList<M>{M::Zmieniono, M::Dodano}));
    EXPECT_EQ(Zmiany(k.HarmonogramyLokatBankowych()), (QList<M>{M::BezZmian, M::Dodano}));

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

namespace {

// The deposits are saved together with a savings balance a profit went to,
// and the new total of savings cannot be recorded afterwards: the save
// stands, and the user is told of the failed recording in the error box,
// SQLite's line in it.
class ZapisZeStanemOszczednosci : public ModulLokatTestowy {
protected:
    ModalWatchdog straznik;
};

TEST_F(ZapisZeStanemOszczednosci, AFailedTotalIsShownAndTheSaveStands) {
    for (const char* polecenie :
         {"INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic, Dlug, Waga) "
          "VALUES ('Konto', 0, 1, 0, 1)",
          "INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data) "
          "VALUES (1, 100, '2024-01-10 00:00')"})
        Baza().ExecSQL(QString::fromUtf8(polecenie));
    projekt->OdswiezZawartoscKolekcji(TTabele::Kategorie_Oszczednosci);
    projekt->OdswiezZawartoscKolekcji(TTabele::Oszczednosci);
    ZmienWPamieci(true);
    TKolekcjeDanych& k = Kolekcje();
    ASSERT_TRUE(k.DodajDoOszczednosciWartosc(25, 1, false));
    Wyzwalacz("StanOszczednosci")(Baza());

    WhenModalShows([](QWidget& okno) { ClickButton(okno, "btn_OK"); });
    ModulLokat().SetApplicationVariables(nullptr, projekt.get());
    ModulLokat().ShowFormVQ();
    EXPECT_EQ(ModulLokat().LastError(), "");

    ASSERT_EQ(komunikaty.messages.size(), 1) << komunikaty.texts().join('\n').toStdString();
    const TMessage& m = komunikaty.messages[0];
    EXPECT_EQ(m.caption, "BŁĄD !!!");
    EXPECT_EQ(m.icon, TMessageIcon::Error);
    EXPECT_TRUE(m.text.contains("INSERT INTO StanOszczednosci")) << m.text.toStdString();
    EXPECT_TRUE(m.text.endsWith(": awaria zapisu")) << m.text.toStdString();
    EXPECT_EQ(Lokaty(), kLokatyPo);
    EXPECT_EQ(Wiersze(Baza(), "SELECT Ile FROM Oszczednosci"), QStringList({"125.0"}));
    EXPECT_TRUE(Wiersze(Baza(), "SELECT Stan FROM StanOszczednosci").isEmpty());
    EXPECT_FALSE(k.ZmienionoINiezapisanoLokaty());
}

} // namespace
