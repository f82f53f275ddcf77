// Every table makes the round trip: records added in the collections are
// saved and reloaded equal field by field (amounts rounded to cents, dates to
// the minute, a deposit's start at midnight); then one of them is changed and
// the other deleted, and the file holds exactly that after the next save.
// Random records over the whole range of their values either are refused
// before anything is written or make the same round trip.
#include "ProjektDBZapisFixture.h"
#include "data/EDataError.h"
#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"

#include <QElapsedTimer>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <random>

namespace {

using TTyp = TTypModyfikacji;

QString Kw(double kwota) {
    return QString::number(ZaokraglijDo(kwota, -2), 'g', 17);
}

QString Dt(TDateTime data) {
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(data, h, m, s, ms);
    return FormatDateTime("yyyy-MM-dd hh:mm:ss.zzz", DateOf(data) + EncodeTime(h, m));
}

QString B(bool b) {
    return b ? "1" : "0";
}

QString N(int64_t n) {
    return QString::number(n);
}

// Ids of the stored records that new records may refer to.
struct Odwolania {
    int32_t kategoriaWydatkow = 1;
    int32_t kategoriaPrzychodow = 1;
    int32_t kategoriaOszczednosci = 1;
    int32_t osoba = 1;
    int32_t oszczednosc = 1;
    int32_t zlecenie = 1;
};

const TDateTime kData = EncodeDateTime(2013, 5, 14, 17, 45, 33, 250);

// Random values of the kinds a record stores, drawn from their whole range:
// texts from all of Unicode (NUL, lone surrogates and the characters the
// savers drop included), amounts over all doubles (subnormals, the largest,
// infinities, NaN) and dates from before the year 1 to the largest year the
// loaders read. Oczekiwane() gives the values as the contract stores them.
class TLosoweWartosci {
public:
    explicit TLosoweWartosci(std::mt19937_64& los) {
        for (QString& t : fTeksty)
            t = LosowyTekst(los);
        for (double& k : fKwoty)
            k = LosowaKwota(los);
        fData = LosowaData(los);
    }

    QString Tekst(int i) const { return fOczekiwane ? Zapisany(fTeksty[i]) : fTeksty[i]; }
    // A text that is stored as NULL when it holds nothing but blanks.
    QString TekstLubNullGdyPusty(int i) const {
        return fOczekiwane && JestPustyTekst(fTeksty[i]) ? QString() : Tekst(i);
    }
    // Rounded to cents and written with 15 significant digits.
    double Kwota(int i) const {
        if (!fOczekiwane)
            return fKwoty[i];
        char tekst[40];
        std::snprintf(tekst, sizeof tekst, "%.15g", ZaokraglijDo(fKwoty[i], -2));
        return std::strtod(tekst, nullptr);
    }
    // Dates are compared to the minute by the descriptions.
    TDateTime Data() const { return fData; }

    TLosoweWartosci Oczekiwane() const {
        TLosoweWartosci w = *this;
        w.fOczekiwane = true;
        return w;
    }
    // Values well inside the range every file holds: these must be saved.
    bool Zwykle() const {
        return std::all_of(std::begin(fKwoty), std::end(fKwoty),
                           [](double k) { return std::fabs(k) < 1e300; }) &&
               fData >= EncodeDate(1, 1, 1) && fData < EncodeDate(9999, 12, 31);
    }

private:
    // The contract: NUL and lone surrogates cannot be stored, | ' " ; are dropped.
    static QString Zapisany(const QString& t) {
        QString wynik;
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
                wynik += t[i];
                wynik += t[++i];
            } else if (!t[i].isNull() && !t[i].isSurrogate() && !QString("|'\";").contains(t[i])) {
                wynik += t[i];
            }
        }
        return wynik;
    }

    static QString LosowyTekst(std::mt19937_64& los) {
        QString t;
        for (int n = static_cast<int>(los() % 10); n > 0; --n) {
            switch (los() % 8) {
            case 0:
                t += QChar(static_cast<char16_t>(0x20 + los() % 0x5F));
                break;
            case 1:
                t += QString("|'\";")[static_cast<qsizetype>(los() % 4)];
                break;
            case 2:
                t += QChar(0);
                break;
            case 3:
                t += QChar(static_cast<char16_t>(0xD800 + los() % 0x800)); // a lone half
                break;
            case 4: {
                const char32_t znak = static_cast<char32_t>(0x10000 + los() % 0x100000);
                t += QString::fromUcs4(&znak, 1);
                break;
            }
            case 5:
                t += QChar(static_cast<char16_t>(1 + los() % 0x1F));
                break;
            default: {
                char16_t znak = static_cast<char16_t>(0x80 + los() % 0xFF80);
                if (QChar::isSurrogate(znak))
                    znak = u'ż';
                t += QChar(znak);
            }
            }
        }
        return t;
    }

    static double LosowaKwota(std::mt19937_64& los) {
        const double najwieksza = std::numeric_limits<double>::max();
        const double szczegolne[] = {najwieksza,
                                     -najwieksza,
                                     1.79769313486231e308,
                                     std::numeric_limits<double>::denorm_min(),
                                     std::numeric_limits<double>::min(),
                                     -0.0,
                                     0.125,
                                     1000.005,
                                     std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::infinity()};
        std::uniform_real_distribution<double> ulamek(0, 1);
        switch (los() % 5) {
        case 0:
            return std::bit_cast<double>(static_cast<uint64_t>(los()));
        case 1:
            return szczegolne[los() % std::size(szczegolne)];
        case 2:
            return (ulamek(los) - 0.5) * 2e6;
        case 3:
            return (los() % 2 ? 1 : -1) * najwieksza * (1 - ulamek(los) * 1e-14);
        default:
            return (los() % 2 ? 1 : -1) * std::pow(10.0, ulamek(los) * 616 - 308);
        }
    }

    static TDateTime LosowaData(std::mt19937_64& los) {
        const TDateTime pierwsza = EncodeDate(1, 1, 1);
        const TDateTime koniec = EncodeDate(9999, 12, 31) + 1;
        std::uniform_real_distribution<double> ulamek(0, 1);
        switch (los() % 4) {
        case 0:
            return pierwsza - ulamek(los) * 1e6;
        case 1:
            return koniec + ulamek(los) * (EncodeDate(999999999, 12, 31) - koniec);
        case 2: {
            const TDateTime granice[] = {pierwsza, pierwsza - kOneMillisecond, koniec,
                                         koniec - 2 * kOneMillisecond};
            return granice[los() % std::size(granice)];
        }
        default:
            return pierwsza + ulamek(los) * (koniec - pierwsza);
        }
    }

    QString fTeksty[5];
    double fKwoty[3] = {};
    TDateTime fData = 0;
    bool fOczekiwane = false;
};

struct KategorieWydatkow {
    static constexpr TTabele tabela = TTabele::Kategorie_Wydatki;
    static auto& Lista(TKolekcjeDanych& k) { return k.KategorieWydatki(); }
    static auto Nowy(const Odwolania&, int i) {
        return std::make_unique<TKategoriaWydatki>(-1, i ? "Żywność" : "Paliwo", i == 0,
                                                   TTyp::Dodano, 7u + i);
    }
    static void Zmien(TKategoriaWydatki& r, const Odwolania&) {
        r.SetOpis("Paliwo i opłaty");
        r.SetUsuniety(false);
        r.SetWaga(4000000000u);
    }
    static void Losuj(TKategoriaWydatki& r, const TLosoweWartosci& w) { r.SetOpis(w.Tekst(0)); }
    static QString Opis(const TKategoriaWydatki& r) {
        return r.Opis() + '|' + B(r.Usuniety()) + '|' + N(r.Waga());
    }
};

struct KategoriePrzychodow {
    static constexpr TTabele tabela = TTabele::Kategorie_Przychody;
    static auto& Lista(TKolekcjeDanych& k) { return k.KategoriePrzychody(); }
    static auto Nowy(const Odwolania&, int i) {
        return std::make_unique<TKategoriaPrzychody>(-1, i ? "Premia" : "Zwrot podatku", false,
                                                     TTyp::Dodano, 3);
    }
    static void Zmien(TKategoriaPrzychody& r, const Odwolania&) { r.SetUsuniety(true); }
    static void Losuj(TKategoriaPrzychody& r, const TLosoweWartosci& w) { r.SetOpis(w.Tekst(0)); }
    static QString Opis(const TKategoriaPrzychody& r) {
        return r.Opis() + '|' + B(r.Usuniety()) + '|' + N(r.Waga());
    }
};

struct KategorieOszczednosci {
    static constexpr TTabele tabela = TTabele::Kategorie_Oszczednosci;
    static auto& Lista(TKolekcjeDanych& k) { return k.KategorieOszczednosci(); }
    static auto Nowy(const Odwolania&, int i) {
        return std::make_unique<TKategoriaOszczednosci>(-1, i ? "Kredyt" : "Lokaty dzieci", false,
                                                        i == 0, i == 1, TTyp::Dodano, 2);
    }
    static void Zmien(TKategoriaOszczednosci& r, const Odwolania&) {
        r.SetMoznaZaplacic(false);
        r.SetCharakterDlugu(true);
    }
    static void Losuj(TKategoriaOszczednosci& r, const TLosoweWartosci& w) {
        r.SetOpis(w.Tekst(0));
    }
    static QString Opis(const TKategoriaOszczednosci& r) {
        return r.Opis() + '|' + B(r.Usuniety()) + '|' + B(r.MoznaZaplacic()) + '|' +
               B(r.CharakterDlugu()) + '|' + N(r.Waga());
    }
};

struct Osoby {
    static constexpr TTabele tabela = TTabele::Osoby;
    static auto& Lista(TKolekcjeDanych& k) { return k.Osoby(); }
    static auto Nowy(const Odwolania&, int i) {
        return std::make_unique<TOsoba>(-1, i ? "Łucja" : "Ewa", "Lis", i ? "" : "Ewka",
                                        "ul. Długa 5", "", false, TTyp::Dodano, 2);
    }
    static void Zmien(TOsoba& r, const Odwolania&) {
        r.SetNazwisko("Lis-Nowak");
        r.SetTelefon("600 100 200");
        r.SetAdres("");
    }
    // A person needs a first name and a surname to be written at all.
    static void Losuj(TOsoba& r, const TLosoweWartosci& w) {
        r.SetImie("I" + w.Tekst(0));
        r.SetNazwisko("N" + w.Tekst(1));
        r.SetPseudonim(w.Tekst(2));
        r.SetAdres(w.Tekst(3));
        r.SetTelefon(w.Tekst(4));
    }
    static QString Opis(const TOsoba& r) {
        return QStringList{r.Imie(),    r.Nazwisko(), r.Pseudonim(),  r.Adres(),
                           r.Telefon(), N(r.Waga()),  B(r.Usuniety())}
            .join('|');
    }
};

struct Oszczednosci {
    static constexpr TTabele tabela = TTabele::Oszczednosci;
    static auto& Lista(TKolekcjeDanych& k) { return k.Oszczednosci(); }
    static auto Nowy(const Odwolania& o, int i) {
        return std::make_unique<TOszczednosc>(-1, o.kategoriaOszczednosci, 1000.005 + i, kData,
                                              i ? "" : "na czarną godzinę", 1 + i, TTyp::Dodano);
    }
    static void Zmien(TOszczednosc& r, const Odwolania&) {
        r.SetIle(-0.375);
        r.SetKomentarz("");
        r.fTypOszczednosci = 2;
    }
    static void Losuj(TOszczednosc& r, const TLosoweWartosci& w) {
        r.SetIle(w.Kwota(0));
        r.SetData(w.Data());
        r.SetKomentarz(w.Tekst(0));
    }
    static QString Opis(const TOszczednosc& r) {
        return N(r.IdKategoriaOszczednosci()) + '|' + Kw(r.Ile()) + '|' + Dt(r.Data()) + '|' +
               r.Komentarz() + '|' + N(r.fTypOszczednosci);
    }
};

struct HistoriaPrzelewow {
    static constexpr TTabele tabela = TTabele::HistoriaPrzelewow;
    static auto& Lista(TKolekcjeDanych& k) { return k.HistoriaPrzelewow(); }
    static auto Nowy(const Odwolania&, int i) {
        return std::make_unique<THistoriaPrzelewu>(-1, 12.345 * (i + 1), 1, 2 + i, kData,
                                                   i ? "" : "spłata", TTyp::Dodano);
    }
    static void Zmien(THistoriaPrzelewu& r, const Odwolania&) {
        r.SetIdKategoriaOszczednosciTO(5);
        r.SetData(kData + 1);
    }
    static void Losuj(THistoriaPrzelewu& r, const TLosoweWartosci& w) {
        r.SetIle(w.Kwota(0));
        r.SetData(w.Data());
        r.SetKomentarz(w.Tekst(0));
    }
    static QString Opis(const THistoriaPrzelewu& r) {
        return Kw(r.Ile()) + '|' + N(r.IdKategoriaOszczednosciFROM()) + '|' +
               N(r.IdKategoriaOszczednosciTO()) + '|' + Dt(r.Data()) + '|' + r.Komentarz();
    }
};

struct Wydatki {
    static constexpr TTabele tabela = TTabele::Wydatki;
    static auto& Lista(TKolekcjeDanych& k) { return k.Wydatki(); }
    static auto Nowy(const Odwolania& o, int i) {
        return std::make_unique<TWydatek>(
            -1, o.kategoriaWydatkow, 19.99 + i, o.kategoriaOszczednosci, kData - i, o.osoba,
            i ? "" : "obiad w „Złotej Kaczce”", TTyp::Dodano, i ? "" : "paragon.pdf", i == 1);
    }
    static void Zmien(TWydatek& r, const Odwolania&) {
        r.SetIle(0.125);
        r.SetZalacznik("");
        r.SetZlecenieStale(true);
    }
    static void Losuj(TWydatek& r, const TLosoweWartosci& w) {
        r.SetIle(w.Kwota(0));
        r.SetData(w.Data());
        r.SetKomentarz(w.Tekst(0));
        r.SetZalacznik(w.Tekst(1));
    }
    static QString Opis(const TWydatek& r) {
        return QStringList{N(r.IdKategoriaWydatki()),
                           Kw(r.Ile()),
                           N(r.IdKategoriaOszczednosci()),
                           Dt(r.Data()),
                           N(r.IdOsoba()),
                           r.Komentarz(),
                           B(r.ZlecenieStale()),
                           r.Zalacznik()}
            .join('|');
    }
};

struct Przychody {
    static constexpr TTabele tabela = TTabele::Przychody;
    static auto& Lista(TKolekcjeDanych& k) { return k.Przychody(); }
    static auto Nowy(const Odwolania& o, int i) {
        return std::make_unique<TPrzychod>(-1, o.kategoriaPrzychodow, 5000 + i,
                                           o.kategoriaOszczednosci, kData, o.osoba,
                                           i ? "" : "pensja za maj", TTyp::Dodano, i == 0);
    }
    static void Zmien(TPrzychod& r, const Odwolania&) { r.SetKomentarz("korekta"); }
    static void Losuj(TPrzychod& r, const TLosoweWartosci& w) {
        r.SetIle(w.Kwota(0));
        r.SetData(w.Data());
        r.SetKomentarz(w.Tekst(0));
    }
    static QString Opis(const TPrzychod& r) {
        return QStringList{N(r.IdKategoriaPrzychody()),
                           Kw(r.Ile()),
                           N(r.IdKategoriaOszczednosci()),
                           Dt(r.Data()),
                           N(r.IdOsoba()),
                           r.Komentarz(),
                           B(r.ZlecenieStale())}
            .join('|');
    }
};

template <int8_t Typ, TTabele Tabela> struct ZleceniaStale {
    static constexpr TTabele tabela = Tabela;
    static auto& Lista(TKolekcjeDanych& k) {
        return Typ == 0 ? k.ZleceniaStaleWydatki() : k.ZleceniaStalePrzychody();
    }
    static auto Nowy(const Odwolania& o, int i) {
        return std::make_unique<TZlecenieStale>(
            -1, Typ == 0 ? o.kategoriaWydatkow : o.kategoriaPrzychodow, 0, o.oszczednosc, 0,
            i ? "Internet" : "Czynsz", 800.5 + i, TCzestotliwosc(2 + i), Typ, kData, i == 0, "",
            TTyp::Dodano);
    }
    static void Zmien(TZlecenieStale& r, const Odwolania&) {
        r.SetKwota(-1);
        r.fCzestotliwosc = 7;
        r.SetAktywne(false);
    }
    static void Losuj(TZlecenieStale& r, const TLosoweWartosci& w) {
        r.SetNazwa(w.Tekst(0));
        r.SetKwota(w.Kwota(0));
        r.SetData(w.Data());
    }
    static QString Opis(const TZlecenieStale& r) {
        return QStringList{N(r.IdKategorii()), N(r.IdOszczednosci()), r.Nazwa(),
                           Kw(r.Kwota()),      N(r.fCzestotliwosc),   N(r.fTypZleceniaStalego),
                           Dt(r.Data()),       B(r.Aktywne())}
            .join('|');
    }
};

struct HistoriaZlecenStalych {
    static constexpr TTabele tabela = TTabele::HistoriaZlecenStalychPrzychody;
    static auto& Lista(TKolekcjeDanych& k) { return k.HistoriaZlecenStalych(); }
    static auto Nowy(const Odwolania& o, int i) {
        return std::make_unique<TZlecenieStale>(
            -1, o.kategoriaWydatkow, o.zlecenie, o.oszczednosc, o.osoba, "", 800.5,
            TCzestotliwosc(2), int8_t(i), kData + i, false, i ? "" : "za czerwiec", TTyp::Dodano);
    }
    static void Zmien(TZlecenieStale& r, const Odwolania&) { r.SetKomentarz("poprawione"); }
    static void Losuj(TZlecenieStale& r, const TLosoweWartosci& w) {
        r.SetKwota(w.Kwota(0));
        r.SetData(w.Data());
        r.SetKomentarz(w.Tekst(0));
    }
    static QString Opis(const TZlecenieStale& r) {
        return QStringList{
            N(r.IdKategorii()),  N(r.IdZleceniaStalego()), N(r.IdOszczednosci()), Kw(r.Kwota()),
            N(r.fCzestotliwosc), N(r.fTypZleceniaStalego), Dt(r.Data()),          r.Komentarz(),
            N(r.IdOsoba())}
            .join('|');
    }
};

struct Plany {
    static constexpr TTabele tabela = TTabele::Plany;
    static auto& Lista(TKolekcjeDanych& k) { return k.Plany(); }
    static auto Nowy(const Odwolania& o, int i) {
        return std::make_unique<TPlan>(-1, i ? "Rower" : "Wakacje", 3000 + i, o.kategoriaWydatkow,
                                       false, i == 1, int8_t(i), kData, "", TTyp::Dodano);
    }
    static void Zmien(TPlan& r, const Odwolania&) {
        r.SetWykonany(true);
        r.SetKomentarz("zrobione");
    }
    static void Losuj(TPlan& r, const TLosoweWartosci& w) {
        r.SetNazwa(w.Tekst(0));
        r.SetKwota(w.Kwota(0));
        r.SetData(w.Data());
        r.SetKomentarz(w.Tekst(1));
    }
    static QString Opis(const TPlan& r) {
        return QStringList{r.Nazwa(),
                           Kw(r.Kwota()),
                           N(r.IdKategorii()),
                           B(r.Wykonany()),
                           B(r.DodanyDoKolekcji()),
                           N(r.fTypPlanu),
                           Dt(r.Data()),
                           r.Komentarz()}
            .join('|');
    }
};

struct Ograniczenia {
    static constexpr TTabele tabela = TTabele::Ograniczenia;
    static auto& Lista(TKolekcjeDanych& k) { return k.Ograniczenia(); }
    static auto Nowy(const Odwolania& o, int i) {
        auto r = std::make_unique<TOgraniczenie>(o.kategoriaWydatkow, 500.555, 6000, 2013 + i,
                                                 TTyp::Dodano);
        r->SetData(kData);
        return r;
    }
    static void Zmien(TOgraniczenie& r, const Odwolania&) { r.SetMaxRok(0); }
    static void Losuj(TOgraniczenie& r, const TLosoweWartosci& w) {
        r.SetMaxMiesiac(w.Kwota(0));
        r.SetMaxRok(w.Kwota(1));
        r.SetData(w.Data());
    }
    static QString Opis(const TOgraniczenie& r) {
        return N(r.IdKategoriiWydatku()) + '|' + Kw(r.MaxMiesiac()) + '|' + Kw(r.MaxRok()) + '|' +
               N(r.RokOgraniczenia()) + '|' + Dt(r.Data());
    }
};

struct Lokaty {
    static constexpr TTabele tabela = TTabele::Lokaty;
    static auto& Lista(TKolekcjeDanych& k) { return k.Lokaty(); }
    static auto Nowy(const Odwolania&, int i) {
        return std::make_unique<TLokata>(-1, i ? "Lokata 'Zysk' \"Max\" | ś; ł" : "Żółta", 0.125,
                                         EncodeDateTime(2013, 5, 14, 16, 20), 6,
                                         i ? TJednostkaOkresu::Brak : TJednostkaOkresu::Miesiac,
                                         i ? -1 : 7, i == 0, TTyp::Dodano);
    }
    static void Zmien(TLokata& r, const Odwolania&) {
        r.SetNazwa("Zielona");
        r.SetKwota(1000.005);
        r.fJednostkaLokaty = TJednostkaOkresu::Rok;
    }
    // The characters | ' " and ; never reach the file.
    static void Losuj(TLokata& r, const TLosoweWartosci& w) {
        r.SetNazwa(w.Tekst(0));
        r.SetKwota(w.Kwota(0));
        r.SetDataRozpoczecia(w.Data());
    }
    static QString Opis(const TLokata& r) {
        return QStringList{UsunZnakiSpecjalne(r.Nazwa()),
                           Kw(r.Kwota()),
                           Dt(DateOf(r.DataRozpoczecia())),
                           N(r.OkresLokaty()),
                           N(static_cast<int8_t>(r.fJednostkaLokaty)),
                           N(r.IdHarmonogramLokaty()),
                           B(r.Aktywna())}
            .join('|');
    }
};

struct HarmonogramyLokat {
    static constexpr TTabele tabela = TTabele::HarmonogramyLokatBankowych;
    static auto& Lista(TKolekcjeDanych& k) { return k.HarmonogramyLokatBankowych(); }
    static auto Nowy(const Odwolania&, int i) {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fBank = i ? "" : "Bank Śląski";
        h->fNazwaHarmonogramu = "Lokata na nowe środki";
        h->fOkresDepozytu = 3u + i;
        h->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        h->fOprocentowanieStaleWCalymOkresieLokaty = i == 0;
        h->fOprocentowanieWSkaliRoku = 4.555;
        h->fKapitalizacja = i ? TKapitalizacja::PoOkresieUmowy : TKapitalizacja::Brak;
        h->fKwotaMinimalna = 1000;
        h->fKwotaMaksymalna = 0.375;
        h->fWymaganeKontoOsobisteWTymBanku = i == 1;
        h->fMozliwoscWczesniejszegoZerwaniaLokaty = true;
        h->fWarunkiWczesniejszegoZerwaniaLokaty = i ? "" : "utrata odsetek";
        h->fPozostaleInformacje = "tylko dla nowych klientów";
        h->fHarmonogramDodanyPrzezUzytkownika = true;
        h->fZmiany = TTyp::Dodano;
        return h;
    }
    static void Zmien(THarmonogramLokatyBankowej& r, const Odwolania&) {
        r.fOprocentowanieWSkaliRoku = 5;
        r.fPozostaleInformacje.clear();
    }
    static void Losuj(THarmonogramLokatyBankowej& r, const TLosoweWartosci& w) {
        r.fBank = w.Tekst(0);
        r.fNazwaHarmonogramu = w.Tekst(1);
        r.fOprocentowanieWSkaliRoku = w.Kwota(0);
        r.fKwotaMinimalna = w.Kwota(1);
        r.fKwotaMaksymalna = w.Kwota(2);
        r.fWarunkiWczesniejszegoZerwaniaLokaty = w.TekstLubNullGdyPusty(2);
        r.fPozostaleInformacje = w.TekstLubNullGdyPusty(3);
    }
    static QString Opis(const THarmonogramLokatyBankowej& r) {
        return QStringList{r.fBank,
                           r.fNazwaHarmonogramu,
                           N(r.fOkresDepozytu),
                           N(static_cast<int8_t>(r.fJednostkaDepozytu)),
                           B(r.fOprocentowanieStaleWCalymOkresieLokaty),
                           Kw(r.fOprocentowanieWSkaliRoku),
                           N(static_cast<int8_t>(r.fKapitalizacja)),
                           Kw(r.fKwotaMinimalna),
                           Kw(r.fKwotaMaksymalna),
                           B(r.fWymaganeKontoOsobisteWTymBanku),
                           B(r.fMozliwoscWczesniejszegoZerwaniaLokaty),
                           r.fWarunkiWczesniejszegoZerwaniaLokaty,
                           r.fPozostaleInformacje,
                           B(r.fHarmonogramDodanyPrzezUzytkownika)}
            .join('|');
    }
};

template <class R> TTyp Zmiany(const R& r) {
    return r.Zmiany();
}
TTyp Zmiany(const THarmonogramLokatyBankowej& r) {
    return r.fZmiany;
}
template <class R> void Oznacz(R& r, TTyp zmiany) {
    r.SetZmiany(zmiany);
}
void Oznacz(THarmonogramLokatyBankowej& r, TTyp zmiany) {
    r.fZmiany = zmiany;
}
template <class R> void NadajId(R& r, int32_t id) {
    r.SetId(id);
}
void NadajId(THarmonogramLokatyBankowej& r, int32_t id) {
    r.fId = id;
}

class TProjektDBZapisObieg : public ProjektDBZapisFixture {
protected:
    // The records the new ones refer to, stored as ids 1 (and a second savings
    // category and expense category for transfers).
    void SetUp() override {
        ProjektDBZapisFixture::SetUp();
        Wykonaj({"INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Jedzenie', 0, 1)",
                 "INSERT INTO KategoriePrzychodow (Opis, Usuniety, Waga) VALUES ('Pensja', 0, 1)",
                 "INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic, Dlug, Waga) "
                 "VALUES ('Konto', 0, 1, 0, 1), ('Skarbonka', 0, 0, 0, 2)",
                 "INSERT INTO Osoby (Imie, Nazwisko, Usuniety, Waga) VALUES ('Jan', 'Nowak', 0, 1)",
                 "INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data) "
                 "VALUES (1, 500, '2013-05-01 00:00')",
                 "INSERT INTO ZleceniaStale (IdKategorii, IdOszczednosci, Nazwa, Kwota, "
                 "Czestotliwosc, TypZleceniaStalego, Data, Aktywne) VALUES (1, 1, 'Gaz', 80, 2, "
                 "0, '2013-05-03 00:00', 1)"});
        WczytajWszystko();
    }

    template <class T> QStringList Opisy() {
        QStringList opisy;
        for (const auto& r : T::Lista(k()))
            opisy << T::Opis(*r);
        opisy.sort();
        return opisy;
    }

    template <class T> void Zapisz() {
        const TWynikZapisu wynik = projekt->ZapiszZawartoscKolekcjiDoBazy(T::tabela);
        EXPECT_TRUE(wynik.Zapisano()) << wynik.Polecenia.Blad.toStdString();
        EXPECT_TRUE(wynik.Raport.isEmpty()) << wynik.Raport.join('\n').toStdString();
        EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join('\n').toStdString();
        projekt->OdswiezZawartoscKolekcji(T::tabela);
    }

    template <class T> auto* Znajdz(const QString& opis) {
        auto& lista = T::Lista(k());
        const auto it = std::find_if(lista.begin(), lista.end(),
                                     [&](const auto& r) { return T::Opis(*r) == opis; });
        return it == lista.end() ? nullptr : it->get();
    }

    template <class T> void Obieg() {
        SCOPED_TRACE(static_cast<int>(T::tabela));
        const Odwolania odwolania;
        const QStringList przed = Opisy<T>();
        QStringList nowe;
        for (int i = 0; i < 2; ++i) {
            auto r = T::Nowy(odwolania, i);
            NadajId(*r, -1 - i);
            nowe << T::Opis(*r);
            T::Lista(k()).push_back(std::move(r));
        }
        QStringList oczekiwane = przed + nowe;
        oczekiwane.sort();
        Zapisz<T>();
        ASSERT_EQ(Opisy<T>(), oczekiwane);

        auto* zmieniony = Znajdz<T>(nowe[0]);
        auto* usuniety = Znajdz<T>(nowe[1]);
        ASSERT_TRUE(zmieniony && usuniety);
        EXPECT_EQ(Zmiany(*zmieniony), TTyp::BezZmian);
        T::Zmien(*zmieniony, odwolania);
        Oznacz(*zmieniony, TTyp::Zmieniono);
        Oznacz(*usuniety, TTyp::Usunieto);
        oczekiwane = przed + QStringList{T::Opis(*zmieniony)};
        oczekiwane.sort();
        Zapisz<T>();
        EXPECT_EQ(Opisy<T>(), oczekiwane);
    }
    // One random record saved: either the save is refused with its message
    // and the file stays as it was, or the reload gives the record back as
    // the contract stores it. The table is then emptied of it again.
    template <class T> void Losowy(std::mt19937_64& los, int& zapisane) {
        SCOPED_TRACE(static_cast<int>(T::tabela));
        const TLosoweWartosci wartosci(los);
        const QStringList przed = Opisy<T>();
        const QStringList plikPrzed = ZrzutBazy(baza());
        auto r = T::Nowy(Odwolania(), 0);
        NadajId(*r, -1);
        T::Losuj(*r, wartosci);
        T::Lista(k()).push_back(std::move(r));
        try {
            const TWynikZapisu wynik = projekt->ZapiszZawartoscKolekcjiDoBazy(T::tabela);
            ASSERT_TRUE(wynik.Zapisano()) << wynik.Polecenia.Blad.toStdString();
            ASSERT_TRUE(wynik.Raport.isEmpty()) << wynik.Raport.join('\n').toStdString();
            projekt->OdswiezZawartoscKolekcji(T::tabela);
            auto oczekiwany = T::Nowy(Odwolania(), 0);
            T::Losuj(*oczekiwany, wartosci.Oczekiwane());
            QStringList oczekiwane = przed + QStringList{T::Opis(*oczekiwany)};
            oczekiwane.sort();
            EXPECT_EQ(Opisy<T>(), oczekiwane);
            ++zapisane;
        } catch (const EDataError& e) {
            EXPECT_FALSE(wartosci.Zwykle()) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().startsWith("Nie udało się zapisać zawartości tabeli \""))
                << e.Message().toStdString();
            EXPECT_TRUE(e.Message().endsWith(" Dotyczy rekordu o Id -1."))
                << e.Message().toStdString();
            EXPECT_EQ(ZrzutBazy(baza()), plikPrzed);
        }
        EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join('\n').toStdString();
        baza().ExecSQL(QStringLiteral("DELETE FROM \"") +
                       projekt->PlikiDB().PobierzNazweTabeli(T::tabela) +
                       QStringLiteral("\" WHERE \"Id\" > 1"));
        projekt->OdswiezZawartoscKolekcji(T::tabela);
    }
};

TEST_F(TProjektDBZapisObieg, CategoriesAndPersons) {
    Obieg<KategorieWydatkow>();
    Obieg<KategoriePrzychodow>();
    Obieg<KategorieOszczednosci>();
    Obieg<Osoby>();
}

TEST_F(TProjektDBZapisObieg, MoneyTables) {
    Obieg<Oszczednosci>();
    Obieg<HistoriaPrzelewow>();
    Obieg<Wydatki>();
    Obieg<Przychody>();
    Obieg<ZleceniaStale<0, TTabele::ZleceniaStaleWydatki>>();
    Obieg<ZleceniaStale<1, TTabele::ZleceniaStalePrzychody>>();
    Obieg<HistoriaZlecenStalych>();
    Obieg<Plany>();
    Obieg<Ograniczenia>();
}

TEST_F(TProjektDBZapisObieg, DepositsAndOffers) {
    Obieg<Lokaty>();
    for (const auto& l : k().Lokaty())
        EXPECT_EQ(l->DataRozpoczecia(), EncodeDate(2013, 5, 14)) << "a deposit starts at midnight";
    Obieg<HarmonogramyLokat>();
    for (const auto& h : k().HarmonogramyLokatBankowych())
        EXPECT_EQ(h->fDataDodaniaModyfikacji, EncodeDateTime(2013, 6, 1, 12, 0))
            << "the moment of the save, to the minute";
    EXPECT_EQ(Tabela("SELECT Bank, PozostaleInformacje FROM HarmonogramyLokat"),
              QStringList({"Bank Śląski|NULL"}));
}

// Random records of every table over the whole range of their values; a
// fixed seed keeps a failure reproducible, and the count and time stay small.
TEST_F(TProjektDBZapisObieg, RandomRecordsAreRefusedOrReadBackAsStored) {
    std::mt19937_64 los(20261210);
    QElapsedTimer zegarTestu;
    zegarTestu.start();
    int zapisane = 0, proby = 0;
    for (; proby < 12 && zegarTestu.elapsed() < 20000 && !HasFatalFailure(); ++proby) {
        Losowy<KategorieWydatkow>(los, zapisane);
        Losowy<KategoriePrzychodow>(los, zapisane);
        Losowy<KategorieOszczednosci>(los, zapisane);
        Losowy<Osoby>(los, zapisane);
        Losowy<Oszczednosci>(los, zapisane);
        Losowy<HistoriaPrzelewow>(los, zapisane);
        Losowy<Wydatki>(los, zapisane);
        Losowy<Przychody>(los, zapisane);
        Losowy<ZleceniaStale<0, TTabele::ZleceniaStaleWydatki>>(los, zapisane);
        Losowy<HistoriaZlecenStalych>(los, zapisane);
        Losowy<Plany>(los, zapisane);
        Losowy<Ograniczenia>(los, zapisane);
        Losowy<Lokaty>(los, zapisane);
        Losowy<HarmonogramyLokat>(los, zapisane);
    }
    EXPECT_GT(zapisane, proby * 14 / 5) << "enough saves went through to mean something";
}

// Recorded totals are only ever deleted by a save.
TEST_F(TProjektDBZapisObieg, RecordedTotals) {
    Wykonaj({"INSERT INTO StanOszczednosci (Stan, Data) VALUES (100, '2013-05-01 00:00'), "
             "(200, '2013-05-02 00:00'), (300, '2013-05-03 00:00')"});
    projekt->OdswiezZawartoscKolekcji(TTabele::StanyOszczednosci);
    k().StanyOszczednosci()[1]->SetZmiany(TTyp::Usunieto);
    k().StanyOszczednosci()[2]->SetStan(999);
    k().StanyOszczednosci()[2]->SetZmiany(TTyp::Zmieniono);
    PodsluchSQL sql(baza());
    EXPECT_TRUE(projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::StanyOszczednosci).Zapisano());
    EXPECT_EQ(sql.Zmiany(), QStringList({"DELETE FROM \"StanOszczednosci\" WHERE \"Id\"=2;"}));
    EXPECT_EQ(Tabela("SELECT Id, Stan FROM StanOszczednosci"), QStringList({"1|100.0", "3|300.0"}));
}

} // namespace
