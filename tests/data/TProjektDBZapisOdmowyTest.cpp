// Records whose statement would break the data are left out of the save and
// reported; a table that would be left without a usable record is not
// written at all.
#include "ProjektDBZapisFixture.h"

#include <functional>

namespace {

using TTyp = TTypModyfikacji;
using TZmiana = std::function<void(TKolekcjeDanych&)>;

template <class T> T& PoId(TListaObiektow<T>& lista, int32_t id) {
    for (auto& r : lista)
        if (r->Id() == id)
            return *r;
    throw std::runtime_error("no record with that id");
}

template <class T> void Oznacz(TListaObiektow<T>& lista, int32_t id, TTyp zmiany) {
    PoId(lista, id).SetZmiany(zmiany);
}

const QString kNiepelny = " • Nie udało się w pełni zapisać tabeli ";
const QString kTymczasowe = ". Tabela ta korzysta z kategorii, które nie są zapisane w bazie lecz "
                            "dodane do danych tymczasowych. Zapisz najpierw wszystkie "
                            "zmodyfikowane kategorie";

QString Naglowek(const QString& caption) {
    return "Przebieg zapisu dokonanych zmian w tabeli " + caption;
}

QString OdmowaKategorii(const QString& opis, const QString& powod, const QString& caption) {
    return " • Nie udało się usunąć \"" + opis + "\" - pozycja jest w użyciu, usuń najpierw " +
           powod + ". Możesz też wyłączyć widoczność tej pozycji w " + caption +
           ", wówczas dodając nową pozycję do tabeli nie będzie można wybrać \"" + opis +
           "\" z listy.";
}

QString OdmowaOsoby(const QString& kto, const QString& tabela) {
    return " • Nie udało się usunąć \"" + kto +
           "\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje używające tej osoby z "
           "tabeli \"" +
           tabela + "\". Możesz też zmienić osobie \"" + kto +
           "\" imię lub nazwisko na zakładce \"Osoby\".";
}

QString OdmowaOszczednosci(const QString& opis, const QString& lista) {
    return " • Nie udało się usunąć oszczędności \"" + opis +
           "\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o takiej kategori "
           "oszczędnośąci z listy \"" +
           lista + "\".";
}

class TProjektDBZapisOdmowy : public ProjektDBZapisFixture {
protected:
    void SetUp() override {
        ProjektDBZapisFixture::SetUp();
        Wykonaj({
            "INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Jedzenie', 0, 1), "
            "('Paliwo', 0, 2), ('Meble', 0, 3), ('Inne', 0, 4)",
            "INSERT INTO KategoriePrzychodow (Opis, Usuniety, Waga) VALUES ('Pensja', 0, 1), "
            "('Premia', 0, 2)",
            "INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic, Dlug, Waga) VALUES "
            "('Konto', 0, 1, 0, 1), ('Skarbonka', 0, 0, 0, 2), ('Portfel', 0, 0, 0, 3)",
            "INSERT INTO Osoby (Imie, Nazwisko, Usuniety, Waga) VALUES ('Jan', 'Nowak', 0, 1), "
            "('Anna', 'Kos', 0, 2)",
            "INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data) VALUES "
            "(1, 500, '2013-05-01 00:00'), (2, 100, '2013-05-01 00:00'), "
            "(1, 50, '2013-05-01 00:00')",
            "INSERT INTO ZleceniaStale (IdKategorii, IdOszczednosci, Nazwa, Kwota, Czestotliwosc, "
            "TypZleceniaStalego, Data, Aktywne) VALUES (2, 1, 'Czynsz', 800, 2, 0, "
            "'2013-05-03 00:00', 1), (1, 2, 'Pensja stała', 5000, 2, 1, '2013-05-03 00:00', 1), "
            "(2, 1, 'Abonament', 50, 2, 0, '2013-05-03 00:00', 1)",
            "INSERT INTO HistoriaZlecenStalych (IdKategorii, IdZleceniaStalego, IdOszczednosci, "
            "Kwota, Czestotliwosc, TypZleceniaStalego, Data, IdOsoba) VALUES (2, 1, 3, 800, 2, 0, "
            "'2013-05-04 00:00', 2)",
            "INSERT INTO Wydatki (IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, "
            "IdOsoba) VALUES (1, 12.5, 1, '2013-05-14 10:00', 1)",
            "INSERT INTO Przychody (IdKategoriaPrzychody, Ile, IdKategoriaOszczednosci, Data, "
            "IdOsoba) VALUES (1, 100, 2, '2013-05-15 10:00', 1)",
            "INSERT INTO Plany (Nazwa, Kwota, IdKategorii, TypPlanu, Data) VALUES ('Sofa', 2000, "
            "3, 0, '2013-07-01 00:00')",
            "INSERT INTO HistoriaPrzelewow (Ile, IdKategoriaOszczednosciFrom, "
            "IdKategoriaOszczednosciTo, Data) VALUES (5, 3, 2, '2013-05-02 00:00')",
        });
        WczytajWszystko();
    }
};

// Cases in which everything of the table is refused: the report holds the
// header and these lines (in any order), and nothing is written.
TEST_F(TProjektDBZapisOdmowy, RefusalLines) {
    const auto nowyWydatek = [](int32_t kategoria, int32_t kategoriaOszczednosci, int32_t osoba) {
        return std::make_unique<TWydatek>(-1, kategoria, 5, kategoriaOszczednosci,
                                          EncodeDate(2013, 5, 20), osoba, "", TTyp::Dodano, "",
                                          false);
    };
    const auto noweZlecenie = [](int32_t kategoria, int32_t oszczednosc) {
        return std::make_unique<TZlecenieStale>(-1, kategoria, 0, oszczednosc, 0, "Nowe", 10,
                                                TCzestotliwosc(2), 0, EncodeDate(2013, 5, 20), true,
                                                "", TTyp::Dodano);
    };
    const QString b3 = "\". Tabela musi posiadać co najmniej jeden rekord lub co najmniej jedna z "
                       "pozycji znajdujących się w tej tabeli musi mieć włączoną Widoczność !";
    const struct {
        const char* nazwa;
        TTabele tabela;
        TZmiana zmien;
        QStringList linie;
    } cases[] = {
        {"B1 no balance may pay",
         TTabele::Oszczednosci,
         [](TKolekcjeDanych& k) {
             PoId(k.KategorieOszczednosci(), 1).SetMoznaZaplacic(false);
             Oznacz(k.Oszczednosci(), 1, TTyp::Zmieniono);
         },
         {kNiepelny + "\"Oszczędności\". Tabela musi posiadać co najmniej jedną oszczędność z "
                      "możliwością zapłaty. Inaczej nie będzie można dodawać wydatków do programu "
                      "ponieważ nie będzie z czego odejmować wpisanej kwoty !"}},
        {"B2 no visible person",
         TTabele::Osoby,
         [](TKolekcjeDanych& k) {
             PoId(k.Osoby(), 1).SetUsuniety(true);
             Oznacz(k.Osoby(), 1, TTyp::Zmieniono);
             Oznacz(k.Osoby(), 2, TTyp::Usunieto);
         },
         {kNiepelny + "\"Osoby\". Tabela musi posiadać co najmniej jeden rekord i musi mieć on "
                      "włączoną widoczność !\rOznacza to, że w programie musi być zdefiniowana co "
                      "najmniej jedna osoba, która będzie miała włączoną widoczność czyli będzie "
                      "mogła dodawać wydatki/przychody i wykonywać zlecenia stałe. Można też "
                      "zmienić osobie imię i/lub nazwisko."}},
        {"B3 every expense category hidden",
         TTabele::Kategorie_Wydatki,
         [](TKolekcjeDanych& k) {
             for (auto& kategoria : k.KategorieWydatki()) {
                 kategoria->SetUsuniety(true);
                 kategoria->SetZmiany(TTyp::Zmieniono);
             }
         },
         {kNiepelny + "\"Kategorie wydatków" + b3}},
        {"B3 every income category deleted",
         TTabele::Kategorie_Przychody,
         [](TKolekcjeDanych& k) {
             for (auto& kategoria : k.KategoriePrzychody())
                 kategoria->SetZmiany(TTyp::Usunieto);
         },
         {kNiepelny + "\"Kategorie przychodów" + b3}},
        {"B4 no savings category may pay",
         TTabele::Kategorie_Oszczednosci,
         [](TKolekcjeDanych& k) {
             PoId(k.KategorieOszczednosci(), 1).SetMoznaZaplacic(false);
             Oznacz(k.KategorieOszczednosci(), 1, TTyp::Zmieniono);
         },
         {kNiepelny + "\"Kategorie oszczędności\". W programie musi być co najmniej jedną "
                      "oszczędność z możliwością zapłaty. Inaczej nie będzie można dodawać "
                      "wydatków do programu ponieważ nie będzie z czego odejmować wpisanej kwoty "
                      "!"}},
        {"B3 every savings category deleted",
         TTabele::Kategorie_Oszczednosci,
         [](TKolekcjeDanych& k) {
             for (auto& kategoria : k.KategorieOszczednosci())
                 kategoria->SetZmiany(TTyp::Usunieto);
         },
         {kNiepelny + "\"Kategorie oszczędności" + b3}},
        {"B5 the visible savings categories cannot pay",
         TTabele::Kategorie_Oszczednosci,
         [](TKolekcjeDanych& k) { Oznacz(k.KategorieOszczednosci(), 1, TTyp::Usunieto); },
         {kNiepelny + "\"Kategorie oszczędności\". Tabela musi posiadać co najmniej jeden rekord "
                      "lub co najmniej jedna z pozycji znajdujących się w tej tabeli musi mieć "
                      "włączoną zarówno Widoczność jak i Możliwość zapłaty !"}},
        {"R1 expenses with an unsaved category, savings or person",
         TTabele::Wydatki,
         [&](TKolekcjeDanych& k) {
             k.KategorieWydatki().push_back(
                 std::make_unique<TKategoriaWydatki>(-1, "Nowa", false, TTyp::Dodano, 9));
             k.Wydatki().push_back(nowyWydatek(-1, 1, 1));
             k.Wydatki().push_back(nowyWydatek(1, 99, 1));
             Oznacz(k.Osoby(), 1, TTyp::Usunieto);
             Oznacz(k.Wydatki(), 1, TTyp::Zmieniono);
         },
         {kNiepelny + "Wydatki" + kTymczasowe + ". Upewnij się też, że lista osób jest zapisana."}},
        {"R1 income into a missing savings category",
         TTabele::Przychody,
         [](TKolekcjeDanych& k) {
             PoId(k.Przychody(), 1).SetIdKategoriaOszczednosci(99);
             Oznacz(k.Przychody(), 1, TTyp::Zmieniono);
         },
         {kNiepelny + "Przychody" + kTymczasowe +
          ". Upewnij się też, że lista osób jest zapisana."}},
        {"R2 and R3 savings",
         TTabele::Oszczednosci,
         [](TKolekcjeDanych& k) {
             k.Oszczednosci().push_back(std::make_unique<TOszczednosc>(
                 -1, 99, 10, EncodeDate(2013, 5, 20), "", 1, TTyp::Dodano));
             for (int32_t id : {1, 2, 3})
                 Oznacz(k.Oszczednosci(), id, TTyp::Usunieto);
         },
         {kNiepelny + "Oszczednosci" + kTymczasowe + ".",
          OdmowaOszczednosci("Konto", "Zlecenia stałe - wydatki"),
          OdmowaOszczednosci("Skarbonka", "Zlecenia stałe - przychody"),
          OdmowaOszczednosci("Konto", "Historia zleceń stałych - wydatki\"/\"Historia zleceń "
                                      "stałych - przychody")}},
        {"R4 a person without a surname",
         TTabele::Osoby,
         [](TKolekcjeDanych& k) {
             PoId(k.Osoby(), 1).SetImie("");
             Oznacz(k.Osoby(), 1, TTyp::Zmieniono);
         },
         {" • Nie udało się zapisać osoby \" Nowak\" - Imię i Nazwisko nie może być puste."}},
        {"R5 persons in use",
         TTabele::Osoby,
         [](TKolekcjeDanych& k) {
             Oznacz(k.Osoby(), 1, TTyp::Usunieto);
             Oznacz(k.Osoby(), 2, TTyp::Usunieto);
             k.Osoby().push_back(
                 std::make_unique<TOsoba>(-1, "Ewa", "Lis", "", "", "", false, TTyp::BezZmian, 3));
         },
         {OdmowaOsoby("Jan Nowak", "Przychody"),
          OdmowaOsoby(
              "Anna Kos",
              "Historia zleceń stałych - wydatki\"/\"Historia zleceń stałych - przychody")}},
        {"R6 expense categories in use",
         TTabele::Kategorie_Wydatki,
         [](TKolekcjeDanych& k) {
             for (int32_t id : {1, 2, 3})
                 Oznacz(k.KategorieWydatki(), id, TTyp::Usunieto);
         },
         {OdmowaKategorii("Jedzenie", "wszystkie pozycje o takiej nazwie z tabeli \"Wydatki\"",
                          "Kategorie wydatków"),
          OdmowaKategorii("Paliwo",
                          "wszystkie pozycje o takiej nazwie kategori z listy zleceń stałych "
                          "wydatków",
                          "Kategorie wydatków"),
          OdmowaKategorii("Meble",
                          "wszystkie pozycje o takiej nazwie kategori z listy planowanych wydatków",
                          "Kategorie wydatków")}},
        {"R6 income categories in use",
         TTabele::Kategorie_Przychody,
         [](TKolekcjeDanych& k) { Oznacz(k.KategoriePrzychody(), 1, TTyp::Usunieto); },
         {OdmowaKategorii("Pensja", "wszystkie pozycje o takiej nazwie z tabeli \"Przychody\"",
                          "Kategorie przychodów")}},
        {"R6 savings categories in use",
         TTabele::Kategorie_Oszczednosci,
         [](TKolekcjeDanych& k) {
             Oznacz(k.KategorieOszczednosci(), 2, TTyp::Usunieto);
             Oznacz(k.KategorieOszczednosci(), 3, TTyp::Usunieto);
         },
         {OdmowaKategorii("Skarbonka",
                          "wszystkie pozycje o takiej nazwie z tabeli \"Oszczędności\"",
                          "Kategorie oszczędności"),
          OdmowaKategorii("Portfel",
                          "wszystkie pozycje o takiej nazwie z tabeli \"Historia przelewów "
                          "oszczędności\"",
                          "Kategorie oszczędności")}},
        {"R7 standing orders with unsaved references",
         TTabele::ZleceniaStaleWydatki,
         [&](TKolekcjeDanych& k) {
             k.ZleceniaStaleWydatki().push_back(noweZlecenie(1, 99));
             k.ZleceniaStaleWydatki().push_back(noweZlecenie(77, 1));
         },
         {kNiepelny + "\"Zlecenia stałe - wydatki\"" + kTymczasowe + " i/lub tabelę oszczędności.",
          kNiepelny + "\"Zlecenia stałe - wydatki\"" + kTymczasowe + "."}},
        {"R8 a standing order that has runs",
         TTabele::ZleceniaStaleWydatki,
         [](TKolekcjeDanych& k) { Oznacz(k.ZleceniaStaleWydatki(), 1, TTyp::Usunieto); },
         {" • Nie udało się usunąć \"Czynsz\" - zlecenie stałe jest w użyciu, usuń najpierw "
          "wszystkie pozycje o takiej nazwie z tabeli \"Historia zleceń stałych - wydatki\". "
          "Możesz też wyłączyć aktywność tego zlecenia stałego w tabeli \"Historia zleceń stałych "
          "- wydatki\", wówczas zlecenie stałe \"Czynsz\" będzie wyłączone, stanie się "
          "nieaktywne."}},
    };
    const QStringList plikPrzed = ZrzutBazy(baza());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nazwa);
        WczytajWszystko();
        c.zmien(k());
        PodsluchSQL sql(baza());
        const TWynikZapisu wynik = projekt->ZapiszZawartoscKolekcjiDoBazy(c.tabela);
        EXPECT_TRUE(wynik.Zapisano());
        ASSERT_FALSE(wynik.Raport.isEmpty());
        EXPECT_EQ(wynik.Raport.first(),
                  Naglowek(projekt->PlikiDB().PobierzCaptionTabeli(c.tabela)));
        QStringList linie = wynik.Raport.mid(1), oczekiwane = c.linie;
        linie.sort();
        oczekiwane.sort();
        EXPECT_EQ(linie, oczekiwane);
        EXPECT_TRUE(sql.Zmiany().isEmpty()) << sql.Zmiany().join('\n').toStdString();
    }
    EXPECT_EQ(ZrzutBazy(baza()), plikPrzed);
    EXPECT_TRUE(boxes.messages.isEmpty());
}

// A refused record leaves the others of its table to be written.
TEST_F(TProjektDBZapisOdmowy, OnlyTheRefusedRecordsAreLeftOut) {
    k().Wydatki().push_back(std::make_unique<TWydatek>(-1, 1, 5, 1, EncodeDate(2013, 5, 20), 99, "",
                                                       TTyp::Dodano, "", false));
    k().Wydatki().push_back(std::make_unique<TWydatek>(-2, 4, 7.5, 1, EncodeDate(2013, 5, 21), 2,
                                                       "", TTyp::Dodano, "", false));
    Oznacz(k().ZleceniaStaleWydatki(), 1, TTyp::Usunieto);
    Oznacz(k().ZleceniaStaleWydatki(), 3, TTyp::Usunieto);

    EXPECT_EQ(projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Wydatki).Raport.size(), 2);
    EXPECT_EQ(projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::ZleceniaStaleWydatki).Raport.size(),
              2);
    EXPECT_EQ(Tabela("SELECT IdKategoriaWydatki, Ile, IdOsoba FROM Wydatki ORDER BY Id"),
              QStringList({"1|12.5|1", "4|7.5|2"}));
    EXPECT_EQ(Tabela("SELECT Nazwa FROM ZleceniaStale ORDER BY Id"),
              QStringList({"Czynsz", "Pensja stała"}));
}

// A person without a name ends the walk (from the last person back): what
// was built before is written, the persons not looked at stay unsaved.
TEST_F(TProjektDBZapisOdmowy, APersonWithoutANameEndsTheWalk) {
    PoId(k().Osoby(), 1).SetTelefon("600");
    Oznacz(k().Osoby(), 1, TTyp::Zmieniono);
    k().Osoby().push_back(
        std::make_unique<TOsoba>(-1, "Bez", "", "", "", "", false, TTyp::Dodano, 3));
    k().Osoby().push_back(
        std::make_unique<TOsoba>(-2, "Ewa", "Lis", "", "", "", false, TTyp::Dodano, 4));
    PodsluchSQL sql(baza());
    const TWynikZapisu wynik = projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Osoby);
    EXPECT_EQ(wynik.Raport,
              QStringList({Naglowek("Osoby"), " • Nie udało się dodać osoby \"Bez \" do bazy - "
                                              "Imię i Nazwisko nie może być puste."}));
    EXPECT_EQ(sql.Zmiany(), QStringList({"INSERT INTO \"Osoby\" (\"Imie\", \"Nazwisko\", "
                                         "\"Pseudonim\", \"Adres\", \"Telefon\", \"Waga\", "
                                         "\"Usuniety\") VALUES('Ewa','Lis',NULL,NULL,NULL,4,0);"}));
    EXPECT_EQ(projekt->ZapisOsob(), (std::map<int32_t, QString>{{-2, "Ewa Lis"}}));
    EXPECT_EQ(Tabela("SELECT Imie, Telefon FROM Osoby ORDER BY Id"),
              QStringList({"Jan|NULL", "Anna|NULL", "Ewa|NULL"}));
}

} // namespace
