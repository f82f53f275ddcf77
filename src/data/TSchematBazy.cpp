#include "data/TSchematBazy.h"

#include <utility>

namespace {

// Every table's key, except the frequencies lookup, which keeps given ids.
#define KLUCZ "\"Id\" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL  UNIQUE"

const char* const kKategorieWydatkow = "CREATE TABLE IF NOT EXISTS \"KategorieWydatkow\" (" KLUCZ
                                       ", \"Opis\" VARCHAR NOT NULL, \"Usuniety\" BOOL NOT NULL, "
                                       "\"Waga\" INTEGER NOT NULL, "
                                       "CONSTRAINT \"u_KW\" UNIQUE (\"Id\" ASC));";

const char* const kKategoriePrzychodow =
    "CREATE TABLE IF NOT EXISTS \"KategoriePrzychodow\" (" KLUCZ
    ", \"Opis\" VARCHAR NOT NULL, \"Usuniety\" BOOL NOT NULL, \"Waga\" INTEGER NOT NULL);";

const char* const kKategorieOszczednosci =
    "CREATE TABLE IF NOT EXISTS \"KategorieOszczednosci\" (" KLUCZ
    ", \"Opis\" VARCHAR NOT NULL, \"Usuniety\" BOOL NOT NULL, \"MoznaZaplacic\" BOOL NOT NULL, "
    "\"Dlug\" BOOL NOT NULL, \"Waga\" INTEGER NOT NULL);";

const char* const kOsoby = "CREATE TABLE IF NOT EXISTS \"Osoby\" (" KLUCZ
                           ", \"Imie\" VARCHAR NOT NULL, \"Nazwisko\" VARCHAR NOT NULL, "
                           "\"Pseudonim\" VARCHAR, \"Adres\" VARCHAR, \"Telefon\" VARCHAR, "
                           "\"Usuniety\" BOOL NOT NULL DEFAULT 0, \"Waga\" INTEGER NOT NULL);";

const char* const kWydatki =
    "CREATE TABLE IF NOT EXISTS \"Wydatki\" (" KLUCZ
    ", \"IdKategoriaWydatki\" INTEGER NOT NULL, \"Ile\" REAL NOT NULL, "
    "\"IdKategoriaOszczednosci\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL, "
    "\"IdOsoba\" INTEGER NOT NULL, \"Komentarz\" TEXT, \"ZlecenieStale\" BOOL NOT NULL DEFAULT 0, "
    "\"Zalacznik\" TEXT DEFAULT NULL, "
    "CONSTRAINT \"Id_KW\" FOREIGN KEY (\"IdKategoriaWydatki\") REFERENCES \"KategorieWydatkow\" "
    "(\"Id\"), "
    "CONSTRAINT \"Id_KO\" FOREIGN KEY (\"IdKategoriaOszczednosci\") REFERENCES "
    "\"KategorieOszczednosci\" (\"Id\"), "
    "CONSTRAINT \"Id_O\" FOREIGN KEY (\"IdOsoba\") REFERENCES \"Osoby\" (\"Id\"));";

const char* const kPrzychody =
    "CREATE TABLE IF NOT EXISTS \"Przychody\" (" KLUCZ
    ", \"IdKategoriaPrzychody\" INTEGER NOT NULL, \"Ile\" REAL NOT NULL, "
    "\"IdKategoriaOszczednosci\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL, "
    "\"IdOsoba\" INTEGER NOT NULL, \"Komentarz\" TEXT, \"ZlecenieStale\" BOOL NOT NULL DEFAULT 0, "
    "CONSTRAINT \"Id_KP\" FOREIGN KEY (\"IdKategoriaPrzychody\") REFERENCES "
    "\"KategoriePrzychodow\" (\"Id\"), "
    "CONSTRAINT \"Id_KO\" FOREIGN KEY (\"IdKategoriaOszczednosci\") REFERENCES "
    "\"KategorieOszczednosci\" (\"Id\"), "
    "CONSTRAINT \"Id_O\" FOREIGN KEY (\"IdOsoba\") REFERENCES \"Osoby\" (\"Id\"));";

const char* const kOszczednosci =
    "CREATE TABLE IF NOT EXISTS \"Oszczednosci\" (" KLUCZ
    ", \"IdKategoriaOszczednosci\" INTEGER NOT NULL, \"Ile\" REAL NOT NULL, "
    "\"Data\" DATETIME NOT NULL, \"Komentarz\" TEXT, "
    "\"TypOszczednosci\" INTEGER NOT NULL DEFAULT 1, "
    "CONSTRAINT \"Id_KO\" FOREIGN KEY (\"IdKategoriaOszczednosci\") REFERENCES "
    "\"KategorieOszczednosci\" (\"Id\"));";

const char* const kHistoriaPrzelewow =
    "CREATE TABLE IF NOT EXISTS \"HistoriaPrzelewow\" (" KLUCZ
    ", \"Ile\" REAL NOT NULL, \"IdKategoriaOszczednosciFrom\" INTEGER NOT NULL, "
    "\"IdKategoriaOszczednosciTo\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL, "
    "\"Komentarz\" TEXT, "
    "CONSTRAINT \"u_HP\" UNIQUE (\"Id\" ASC), "
    "CONSTRAINT \"Id_KWF\" FOREIGN KEY (\"IdKategoriaOszczednosciFrom\") REFERENCES "
    "\"KategorieOszczednosci\" (\"Id\"), "
    "CONSTRAINT \"Id_KWT\" FOREIGN KEY (\"IdKategoriaOszczednosciTo\") REFERENCES "
    "\"KategorieOszczednosci\" (\"Id\"));";

const char* const kZleceniaStale =
    "CREATE TABLE IF NOT EXISTS \"ZleceniaStale\" (" KLUCZ
    ", \"IdKategorii\" INTEGER NOT NULL, \"IdOszczednosci\" INTEGER NOT NULL, "
    "\"Nazwa\" TEXT NOT NULL, \"Kwota\" REAL NOT NULL, \"Czestotliwosc\" INTEGER NOT NULL, "
    "\"TypZleceniaStalego\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL, "
    "\"Aktywne\" BOOL NOT NULL, "
    "CONSTRAINT \"u_ZS\" UNIQUE (\"Id\" ASC), "
    "CONSTRAINT \"Id_KOZS\" FOREIGN KEY (\"IdOszczednosci\") REFERENCES \"Oszczednosci\" "
    "(\"Id\"), "
    "CONSTRAINT \"Id_CZS\" FOREIGN KEY (\"Czestotliwosc\") REFERENCES \"Czestotliwosci\" "
    "(\"Id\"));";

const char* const kHistoriaZlecenStalych =
    "CREATE TABLE IF NOT EXISTS \"HistoriaZlecenStalych\" (" KLUCZ
    ", \"IdKategorii\" INTEGER NOT NULL, \"IdZleceniaStalego\" INTEGER NOT NULL, "
    "\"IdOszczednosci\" INTEGER NOT NULL, \"Kwota\" REAL NOT NULL, "
    "\"Czestotliwosc\" INTEGER NOT NULL, \"TypZleceniaStalego\" INTEGER NOT NULL, "
    "\"Data\" DATETIME NOT NULL, \"Komentarz\" TEXT, \"IdOsoba\" INTEGER NOT NULL, "
    "CONSTRAINT \"u_HZS\" UNIQUE (\"Id\" ASC) "
    "CONSTRAINT \"Id_HZS\" FOREIGN KEY (\"IdZleceniaStalego\") REFERENCES \"ZleceniaStale\" "
    "(\"Id\"), "
    "CONSTRAINT \"Id_HZSU\" FOREIGN KEY (\"IdOsoba\") REFERENCES \"Osoby\" (\"Id\"), "
    "CONSTRAINT \"Id_HZSKO\" FOREIGN KEY (\"IdOszczednosci\") REFERENCES \"Oszczednosci\" "
    "(\"Id\"), "
    "CONSTRAINT \"Id_CZS\" FOREIGN KEY (\"Czestotliwosc\") REFERENCES \"Czestotliwosci\" "
    "(\"Id\"));";

const char* const kCzestotliwosci = "CREATE TABLE IF NOT EXISTS \"Czestotliwosci\" ("
                                    "\"Id\" INTEGER  PRIMARY KEY  NOT NULL  UNIQUE, "
                                    "\"Opis\" TEXT);";

const char* const kStanOszczednosci =
    "CREATE TABLE IF NOT EXISTS \"StanOszczednosci\" (" KLUCZ ", \"Stan\" REAL NOT NULL DEFAULT 0, "
    "\"Data\" DATETIME NOT NULL DEFAULT (datetime('now','localtime')));";

const char* const kPlany =
    "CREATE TABLE IF NOT EXISTS \"Plany\" (" KLUCZ
    ", \"Nazwa\" TEXT NOT NULL, \"Kwota\" REAL NOT NULL DEFAULT 0, "
    "\"IdKategorii\" INTEGER NOT NULL, \"Wykonany\" BOOL NOT NULL DEFAULT 0, "
    "\"DodanyDoKolekcji\" BOOL NOT NULL DEFAULT 0, \"TypPlanu\" INTEGER NOT NULL, "
    "\"Data\" DATETIME NOT NULL DEFAULT (datetime('now','localtime')), \"Komentarz\" TEXT);";

const char* const kOgraniczenia =
    "CREATE TABLE IF NOT EXISTS \"Ograniczenia\" (" KLUCZ
    ", \"IdKategoriiWydatku\" INTEGER NOT NULL, \"MaxMiesiac\" REAL NOT NULL DEFAULT 0, "
    "\"MaxRok\" REAL NOT NULL DEFAULT 0, \"RokOgraniczenia\" INTEGER NOT NULL, "
    "\"Data\" DATETIME NOT NULL, "
    "CONSTRAINT \"u_OGR\" UNIQUE (\"Id\" ASC), "
    "CONSTRAINT \"Id_KWOGR\" FOREIGN KEY (\"IdKategoriiWydatku\") REFERENCES "
    "\"KategorieWydatkow\" (\"Id\"));";

const char* const kLokaty =
    "CREATE TABLE IF NOT EXISTS \"Lokaty\" (" KLUCZ
    ", \"Nazwa\" TEXT NOT NULL, \"Kwota\" REAL NOT NULL DEFAULT 0, "
    "\"DataRozpoczecia\" DATETIME NOT NULL, \"OkresLokaty\" INTEGER NOT NULL DEFAULT 0, "
    "\"JednostkaLokaty\" INTEGER NOT NULL DEFAULT -1, "
    "\"IdHarmonogramLokaty\" INTEGER NOT NULL DEFAULT -1, "
    "\"Aktywna\" INTEGER NOT NULL DEFAULT 0, "
    "CONSTRAINT \"Id_LOK\" FOREIGN KEY (\"IdHarmonogramLokaty\") REFERENCES "
    "\"HarmonogramyLokat\" (\"Id\"));";

const char* const kHarmonogramyLokat =
    "CREATE TABLE IF NOT EXISTS \"HarmonogramyLokat\" (" KLUCZ
    ", \"Bank\" TEXT NOT NULL, \"Nazwa\" TEXT NOT NULL, \"OkresDepozytu\" INTEGER NOT NULL, "
    "\"JednostkaDepozytu\" INTEGER NOT NULL, "
    "\"OprocentowanieStaleWCalymOkresieLokaty\" BOOL NOT NULL, "
    "\"OprocentowanieWSkaliRoku\" REAL NOT NULL, \"Kapitalizacja\" INTEGER NOT NULL, "
    "\"KwotaMinimalna\" REAL NOT NULL DEFAULT 0, \"KwotaMaksymalna\" REAL NOT NULL DEFAULT 0, "
    "\"WymaganeKontoOsobisteWTymBanku\" BOOL NOT NULL, "
    "\"MozliwoscWczesniejszegoZerwaniaLokaty\" BOOL NOT NULL, "
    "\"WarunkiWczesniejszegoZerwaniaLokaty\" TEXT, \"PozostaleInformacje\" TEXT, "
    "\"HarmonogramDodanyPrzezUzytkownika\" BOOL NOT NULL, "
    "\"DataDodania\" DATETIME NOT NULL DEFAULT (datetime('now','localtime')));";

#undef KLUCZ

QString Indeks(const char* tabela) {
    const QString nazwa = QString::fromLatin1(tabela);
    return QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS \"index_") + nazwa +
           QStringLiteral("\" ON \"") + nazwa + QStringLiteral("\" (\"Id\" ASC);");
}

// Names of the current layout, in creation order.
const char* const kTabele[] = {"KategorieWydatkow",
                               "KategoriePrzychodow",
                               "KategorieOszczednosci",
                               "Osoby",
                               "Wydatki",
                               "Przychody",
                               "Oszczednosci",
                               "HistoriaPrzelewow",
                               "ZleceniaStale",
                               "HistoriaZlecenStalych",
                               "Czestotliwosci",
                               "StanOszczednosci",
                               "Plany",
                               "Ograniczenia",
                               "Lokaty",
                               "HarmonogramyLokat"};
const char* const kTabeleZIndeksem[] = {"KategorieWydatkow", "KategoriePrzychodow",
                                        "KategorieOszczednosci", "Osoby"};

// A person's full name in the views.
#define KTO "Osoby.Imie || ' ' || Osoby.Nazwisko"
#define TYP_ZLECENIA(t)                                                                            \
    "CASE WHEN " t ".TypZleceniaStalego = 0 THEN 'Wydatki' ELSE 'Przychody' END AS \"Typ "         \
    "zlecenia\""

const char* const kWidoki[] = {
    "CREATE VIEW IF NOT EXISTS \"vWydatki\" AS SELECT Wydatki.Id, Wydatki.Ile AS \"Kwota\", "
    "KategorieWydatkow.Opis AS \"Na co\", KategorieOszczednosci.Opis AS \"Czym zapłacono\", "
    "Wydatki.Data AS \"Kiedy\", " KTO " AS \"Kto\", Wydatki.Komentarz, Wydatki.ZlecenieStale "
    "FROM Wydatki "
    "INNER JOIN KategorieWydatkow ON Wydatki.IdKategoriaWydatki = KategorieWydatkow.Id "
    "INNER JOIN KategorieOszczednosci ON Wydatki.IdKategoriaOszczednosci = "
    "KategorieOszczednosci.Id "
    "INNER JOIN Osoby ON Wydatki.IdOsoba = Osoby.Id;",

    "CREATE VIEW IF NOT EXISTS \"vPrzychody\" AS SELECT Przychody.Id, Przychody.Ile AS Kwota, "
    "KategoriePrzychodow.Opis AS \"Tytuł przychodu\", KategorieOszczednosci.Opis AS "
    "\"Wpłacono na\", Przychody.Data AS Kiedy, " KTO " AS \"Kto\", Przychody.Komentarz, "
    "Przychody.ZlecenieStale FROM Przychody "
    "INNER JOIN KategoriePrzychodow ON Przychody.IdKategoriaPrzychody = KategoriePrzychodow.Id "
    "INNER JOIN KategorieOszczednosci ON Przychody.IdKategoriaOszczednosci = "
    "KategorieOszczednosci.Id "
    "INNER JOIN Osoby ON Przychody.IdOsoba = Osoby.Id;",

    "CREATE VIEW IF NOT EXISTS \"vOszczednosci\" AS SELECT Oszczednosci.Id, "
    "KategorieOszczednosci.Opis AS \"Rodzaj\", Oszczednosci.Ile AS \"Kwota\", "
    "Oszczednosci.Data AS \"Stan na dzień\", Oszczednosci.Komentarz FROM Oszczednosci "
    "INNER JOIN KategorieOszczednosci ON Oszczednosci.IdKategoriaOszczednosci = "
    "KategorieOszczednosci.Id;",

    "CREATE VIEW IF NOT EXISTS \"vHistoriaPrzelewowOszczednosci\" AS SELECT "
    "HistoriaPrzelewow.Id, HistoriaPrzelewow.Ile AS \"Kwota\", KatOszczZ.Opis AS \"Z\", "
    "KatOszczNa.Opis AS \"Na\", HistoriaPrzelewow.Data AS \"Data przelewu\" "
    "FROM HistoriaPrzelewow "
    "INNER JOIN KategorieOszczednosci AS KatOszczZ ON "
    "HistoriaPrzelewow.IdKategoriaOszczednosciFrom = KatOszczZ.Id "
    "INNER JOIN KategorieOszczednosci AS KatOszczNa ON "
    "HistoriaPrzelewow.IdKategoriaOszczednosciTo = KatOszczNa.Id;",

    "CREATE VIEW IF NOT EXISTS \"vZleceniaStale\" AS "
    "SELECT ZleceniaStale.Id, KategorieWydatkow.Opis AS \"Kategoria\", "
    "KategorieOszczednosci.Opis AS \"Oszczędność\", ZleceniaStale.Nazwa AS \"Nazwa\", "
    "ZleceniaStale.Kwota AS \"Kwota\", Czestotliwosci.Opis AS \"Częstotliwość\", " TYP_ZLECENIA(
        "ZleceniaStale") ", ZleceniaStale.Data AS \"Data dodania\", "
                         "CASE WHEN ZleceniaStale.Aktywne = 0 THEN 'NIE' ELSE 'TAK' END AS "
                         "\"Aktywne\" "
                         "FROM ZleceniaStale "
                         "INNER JOIN KategorieWydatkow ON ZleceniaStale.IdKategorii = "
                         "KategorieWydatkow.Id "
                         "INNER JOIN Oszczednosci ON ZleceniaStale.IdOszczednosci = "
                         "Oszczednosci.Id "
                         "INNER JOIN KategorieOszczednosci ON Oszczednosci.IdKategoriaOszczednosci "
                         "= "
                         "KategorieOszczednosci.Id "
                         "INNER JOIN Czestotliwosci ON ZleceniaStale.Czestotliwosc = "
                         "Czestotliwosci.Id "
                         "WHERE ZleceniaStale.TypZleceniaStalego = 0 "
                         "UNION ALL "
                         "SELECT ZleceniaStale.Id, KategoriePrzychodow.Opis, "
                         "KategorieOszczednosci.Opis, "
                         "ZleceniaStale.Nazwa, ZleceniaStale.Kwota, "
                         "Czestotliwosci.Opis, " TYP_ZLECENIA(
                             "ZleceniaStale") ", ZleceniaStale.Data, "
                                              "CASE WHEN ZleceniaStale.Aktywne = 0 THEN 'NIE' ELSE "
                                              "'TAK' END "
                                              "FROM ZleceniaStale "
                                              "INNER JOIN KategoriePrzychodow ON "
                                              "ZleceniaStale.IdKategorii = KategoriePrzychodow.Id "
                                              "INNER JOIN Oszczednosci ON "
                                              "ZleceniaStale.IdOszczednosci = Oszczednosci.Id "
                                              "INNER JOIN KategorieOszczednosci ON "
                                              "Oszczednosci.IdKategoriaOszczednosci = "
                                              "KategorieOszczednosci.Id "
                                              "INNER JOIN Czestotliwosci ON "
                                              "ZleceniaStale.Czestotliwosc = Czestotliwosci.Id "
                                              "WHERE ZleceniaStale.TypZleceniaStalego = 1;",

    "CREATE VIEW IF NOT EXISTS \"vHistoriaZlecenStalych\" AS "
    "SELECT HistoriaZlecenStalych.Id, KategorieWydatkow.Opis AS \"Kategoria\", "
    "ZleceniaStale.Nazwa AS \"Zlecenie stałe\", KategorieOszczednosci.Opis AS \"Oszczędność\", "
    "HistoriaZlecenStalych.Kwota, Czestotliwosci.Opis AS \"Częstotliwość\", " TYP_ZLECENIA(
        "HistoriaZlecenStalych") ", HistoriaZlecenStalych.Data, "
                                 "HistoriaZlecenStalych.Komentarz, " KTO " AS Kto "
                                 "FROM HistoriaZlecenStalych "
                                 "INNER JOIN KategorieWydatkow ON "
                                 "HistoriaZlecenStalych.IdKategorii = KategorieWydatkow.Id "
                                 "INNER JOIN Osoby ON HistoriaZlecenStalych.IdOsoba = Osoby.Id "
                                 "INNER JOIN Czestotliwosci ON HistoriaZlecenStalych.Czestotliwosc "
                                 "= Czestotliwosci.Id "
                                 "INNER JOIN Oszczednosci ON HistoriaZlecenStalych.IdOszczednosci "
                                 "= Oszczednosci.Id "
                                 "INNER JOIN KategorieOszczednosci ON "
                                 "Oszczednosci.IdKategoriaOszczednosci = "
                                 "KategorieOszczednosci.Id "
                                 "INNER JOIN ZleceniaStale ON "
                                 "HistoriaZlecenStalych.IdZleceniaStalego = ZleceniaStale.Id "
                                 "WHERE HistoriaZlecenStalych.TypZleceniaStalego = 0 "
                                 "UNION ALL "
                                 "SELECT HistoriaZlecenStalych.Id, KategoriePrzychodow.Opis, "
                                 "ZleceniaStale.Nazwa, "
                                 "KategorieOszczednosci.Opis, HistoriaZlecenStalych.Kwota, "
                                 "Czestotliwosci.Opis, " TYP_ZLECENIA(
                                     "HistoriaZlecenStalych") ", HistoriaZlecenStalych.Data, "
                                                              "HistoriaZlecenStalych.Komentarz,"
                                                              " " KTO " "
                                                              "FROM HistoriaZlecenStalych "
                                                              "INNER JOIN KategoriePrzychodow ON "
                                                              "HistoriaZlecenStalych.IdKategorii = "
                                                              "KategoriePrzychodow.Id "
                                                              "INNER JOIN Osoby ON "
                                                              "HistoriaZlecenStalych.IdOsoba = "
                                                              "Osoby.Id "
                                                              "INNER JOIN Czestotliwosci ON "
                                                              "HistoriaZlecenStalych.Czestotliwosc "
                                                              "= Czestotliwosci.Id "
                                                              "INNER JOIN Oszczednosci ON "
                                                              "HistoriaZlecenStalych."
                                                              "IdOszczednosci = Oszczednosci.Id "
                                                              "INNER JOIN KategorieOszczednosci ON "
                                                              "Oszczednosci."
                                                              "IdKategoriaOszczednosci = "
                                                              "KategorieOszczednosci.Id "
                                                              "INNER JOIN ZleceniaStale ON "
                                                              "HistoriaZlecenStalych."
                                                              "IdZleceniaStalego = "
                                                              "ZleceniaStale.Id "
                                                              "WHERE "
                                                              "HistoriaZlecenStalych."
                                                              "TypZleceniaStalego = 1;",

    "CREATE VIEW IF NOT EXISTS \"vHistoriaPrzychodowRozchodow\" AS "
    "SELECT Wydatki.Id, KategorieWydatkow.Opis AS \"Kategoria\", abs(Wydatki.Ile) * -1 AS "
    "\"Kwota\", KategorieOszczednosci.Opis AS \"Oszczędność\", Wydatki.Data AS \"Data\", " KTO
    " AS \"Kto\", Wydatki.Komentarz, Wydatki.ZlecenieStale FROM Wydatki "
    "INNER JOIN KategorieWydatkow ON Wydatki.IdKategoriaWydatki = KategorieWydatkow.Id "
    "INNER JOIN Osoby ON Wydatki.IdOsoba = Osoby.Id "
    "INNER JOIN KategorieOszczednosci ON Wydatki.IdKategoriaOszczednosci = "
    "KategorieOszczednosci.Id "
    "UNION ALL "
    "SELECT Przychody.Id, KategoriePrzychodow.Opis, abs(Przychody.Ile), "
    "KategorieOszczednosci.Opis, Przychody.Data, " KTO ", Przychody.Komentarz, "
    "Przychody.ZlecenieStale FROM Przychody "
    "INNER JOIN KategoriePrzychodow ON Przychody.IdKategoriaPrzychody = KategoriePrzychodow.Id "
    "INNER JOIN Osoby ON Przychody.IdOsoba = Osoby.Id "
    "INNER JOIN KategorieOszczednosci ON Przychody.IdKategoriaOszczednosci = "
    "KategorieOszczednosci.Id "
    "ORDER BY \"Data\";",
};

#undef TYP_ZLECENIA
#undef KTO

const char* const kNazwyWidokow[] = {"vWydatki",
                                     "vPrzychody",
                                     "vOszczednosci",
                                     "vHistoriaPrzelewowOszczednosci",
                                     "vZleceniaStale",
                                     "vHistoriaZlecenStalych",
                                     "vHistoriaPrzychodowRozchodow"};

struct TCzestotliwosc {
    int id;
    const char* opis;
};

const TCzestotliwosc kWierszeCzestotliwosci[] = {
    {-1, "Nigdy"},      {0, "Codziennie"},      {1, "Co tydzień"},
    {2, "Co miesiąc"},  {3, "Co dwa miesiące"}, {4, "Co kwartał"},
    {5, "Co pół roku"}, {6, "Co rok"},          {7, "Uruchamiane ręcznie"},
};

QStringList Jedno(const char* polecenie) {
    return {QString::fromUtf8(polecenie)};
}

} // namespace

std::vector<QStringList> TSchematBazy::WsadyTworzeniaTabel() {
    return {Jedno(kKategorieWydatkow),
            {Indeks("KategorieWydatkow")},
            Jedno(kKategoriePrzychodow),
            {Indeks("KategoriePrzychodow")},
            Jedno(kKategorieOszczednosci),
            {Indeks("KategorieOszczednosci")},
            Jedno(kOsoby),
            {Indeks("Osoby")},
            Jedno(kWydatki),
            Jedno(kPrzychody),
            Jedno(kOszczednosci),
            Jedno(kHistoriaPrzelewow),
            Jedno(kZleceniaStale),
            Jedno(kHistoriaZlecenStalych),
            Jedno(kCzestotliwosci),
            WierszeCzestotliwosci(),
            Jedno(kStanOszczednosci),
            Jedno(kPlany),
            Jedno(kOgraniczenia),
            Jedno(kLokaty),
            Jedno(kHarmonogramyLokat)};
}

QString TSchematBazy::PolecenieTworzeniaTabeli(const QString& tabela) {
    const std::pair<const char*, const char*> tabele[] = {
        {"KategorieWydatkow", kKategorieWydatkow},
        {"KategoriePrzychodow", kKategoriePrzychodow},
        {"KategorieOszczednosci", kKategorieOszczednosci},
        {"Osoby", kOsoby},
        {"Wydatki", kWydatki},
        {"Przychody", kPrzychody},
        {"Oszczednosci", kOszczednosci},
        {"HistoriaPrzelewow", kHistoriaPrzelewow},
        {"ZleceniaStale", kZleceniaStale},
        {"HistoriaZlecenStalych", kHistoriaZlecenStalych},
        {"Czestotliwosci", kCzestotliwosci},
        {"StanOszczednosci", kStanOszczednosci},
        {"Plany", kPlany},
        {"Ograniczenia", kOgraniczenia},
        {"Lokaty", kLokaty},
        {"HarmonogramyLokat", kHarmonogramyLokat},
    };
    for (const auto& [nazwa, polecenie] : tabele)
        if (tabela == QLatin1String(nazwa))
            return QString::fromUtf8(polecenie);
    return {};
}

QStringList TSchematBazy::WierszeCzestotliwosci() {
    QStringList polecenia{QStringLiteral("DELETE FROM \"Czestotliwosci\";")};
    for (const TCzestotliwosc& c : kWierszeCzestotliwosci)
        polecenia << QStringLiteral("INSERT INTO \"Czestotliwosci\" (\"Id\", \"Opis\") VALUES(") +
                         QString::number(c.id) + QStringLiteral(", '") + QString::fromUtf8(c.opis) +
                         QStringLiteral("');");
    return polecenia;
}

QStringList TSchematBazy::PoleceniaTworzeniaWidokow() {
    QStringList polecenia;
    for (const char* widok : kWidoki)
        polecenia << QString::fromUtf8(widok);
    return polecenia;
}

std::vector<TSchematBazy::TUzupelnienie> TSchematBazy::Uzupelnienia() {
    const QString waga = QStringLiteral(" ADD Waga INTEGER NOT NULL DEFAULT 10");
    const QString zlecenie = QStringLiteral(" ADD ZlecenieStale BOOL NOT NULL DEFAULT 0");
    auto alter = [](const QString& tabela, const QString& dodatek) {
        return QStringLiteral("ALTER TABLE ") + tabela + dodatek;
    };
    return {
        {"KategorieWydatkow", "Waga", alter("KategorieWydatkow", waga)},
        {"KategoriePrzychodow", "Waga", alter("KategoriePrzychodow", waga)},
        {"KategorieOszczednosci", "Waga", alter("KategorieOszczednosci", waga)},
        {"Osoby", "Waga", alter("Osoby", waga)},
        {"KategorieOszczednosci", "Dlug",
         alter("KategorieOszczednosci", " ADD Dlug NOT NULL DEFAULT 0")},
        {"Wydatki", "ZlecenieStale", alter("Wydatki", zlecenie)},
        {"Przychody", "ZlecenieStale", alter("Przychody", zlecenie)},
        {"Osoby", "Usuniety", alter("Osoby", " ADD Usuniety BOOL NOT NULL DEFAULT 0")},
        {"HistoriaPrzelewow", "Komentarz", alter("\"HistoriaPrzelewow", "\" ADD Komentarz TEXT;")},
        {"Lokaty", "Aktywna", alter("Lokaty", " ADD Aktywna BOOL NOT NULL DEFAULT 0")},
        {"Wydatki", "Zalacznik", alter("Wydatki", " ADD Zalacznik TEXT DEFAULT NULL")},
        {"Plany", "DodanyDoKolekcji",
         alter("Plany", " ADD DodanyDoKolekcji BOOL NOT NULL DEFAULT 0")},
        {"Oszczednosci", "TypOszczednosci",
         alter("Oszczednosci", " ADD TypOszczednosci INTEGER NOT NULL DEFAULT 1")},
    };
}

std::vector<TSchematBazy::TStaryUklad> TSchematBazy::StareUklady() {
    return {{"ZleceniaStale", "IdKategoriiOszczednosci"},
            {"HistoriaZlecenStalych", "IdKategoriiOszczednosci"},
            {"Lokaty", "IloscMiesiecy"}};
}

QStringList TSchematBazy::NazwyTabel() {
    QStringList nazwy;
    for (const char* tabela : kTabele)
        nazwy << QString::fromLatin1(tabela);
    return nazwy;
}

QStringList TSchematBazy::NazwyIndeksow() {
    QStringList nazwy;
    for (const char* tabela : kTabeleZIndeksem)
        nazwy << QStringLiteral("index_") + QString::fromLatin1(tabela);
    return nazwy;
}

QStringList TSchematBazy::NazwyWidokow() {
    QStringList nazwy;
    for (const char* widok : kNazwyWidokow)
        nazwy << QString::fromLatin1(widok);
    return nazwy;
}
