#include "import/ParserStronyLokat.h"

#include "format/Pomocnicze.h"
#include "import/EImportError.h"
#include "import/TDokumentHTML.h"
#include "import/TekstHTML.h"

#include <QFile>
#include <cmath>

namespace {

constexpr Qt::CaseSensitivity kBezWielkosci = Qt::CaseInsensitive;

const QString kBladSekcji =
    QStringLiteral("Strona WWW ma zmienioną strukturę, nie można pobrać sekcji \"hidden\"");
const QString kBladKolumn =
    QStringLiteral("Strona WWW ma zmienioną strukturę, nie można sparsować wiersza tabeli, "
                   "zmieniła się ilość kolumn");
const QString kBladOkresu = QStringLiteral("Nie można pobrać okresu depozytu\r");
const QString kBladJednostki = QStringLiteral("Nie można pobrać jednostki depozytu\r");
const QString kBladOprocentowania = QStringLiteral("Nie można pobrać oprocentowania\r");
const QString kBladKapitalizacji = QStringLiteral("Nie można pobrać kapitalizacji\r");

// The labels that open the lines of a detail box.
const QString kEtykietaZerwania = QStringLiteral("wcześniejsze zerwanie lokaty:");
const QString kEtykietaKonta = QStringLiteral("konto osobiste w tym samym banku:");
const QString kEtykietaInformacji = QStringLiteral("informacje dodatkowe:");

// `ile` characters from the 1-based position `od`; nothing for a count below one.
QString Wycinek(const QString& tekst, qsizetype od, qsizetype ile) {
    if (ile <= 0)
        return {};
    return tekst.mid(std::max<qsizetype>(od, 1) - 1, ile);
}

// The 1-based position of `szukany`, 0 when it is not there.
qsizetype Pozycja(const QString& tekst, QStringView szukany) {
    return tekst.indexOf(szukany, 0, kBezWielkosci) + 1;
}

// The number of a period cell rounded half to even, as an unsigned 32-bit value.
uint32_t LiczbaOkresu(const QString& tekst) {
    const double liczba = std::nearbyint(KwotaZTekstu(tekst));
    if (!std::isfinite(liczba))
        return 0;
    double reszta = std::fmod(liczba, 4294967296.0);
    if (reszta < 0)
        reszta += 4294967296.0;
    return static_cast<uint32_t>(reszta);
}

// The unit the cell's letter names: D before M before R, anywhere in the cell.
TJednostkaOkresu JednostkaLitery(const QString& tekst) {
    if (tekst.contains(u'D', kBezWielkosci))
        return TJednostkaOkresu::Dzien;
    if (tekst.contains(u'M', kBezWielkosci))
        return TJednostkaOkresu::Miesiac;
    if (tekst.contains(u'R', kBezWielkosci))
        return TJednostkaOkresu::Rok;
    throw EImportError(kBladJednostki + tekst);
}

void UsunKonceWierszy(QString& tekst) {
    tekst.remove(QStringLiteral("\r\n"));
    tekst.remove(u'\n');
    tekst.remove(u'\r');
}

// The first line that holds the label, or none.
const QString* LiniaZEtykieta(const QStringList& linie, const QString& etykieta) {
    for (const QString& linia : linie)
        if (linia.contains(etykieta, kBezWielkosci))
            return &linia;
    return nullptr;
}

void WypelnijSzczegoly(THarmonogramLokatyBankowej& oferta, const QStringList& linie) {
    const QString* zerwanie = LiniaZEtykieta(linie, kEtykietaZerwania);
    oferta.fMozliwoscWczesniejszegoZerwaniaLokaty =
        !zerwanie || !zerwanie->mid(28).contains(u"nie dotyczy", kBezWielkosci);
    oferta.fWarunkiWczesniejszegoZerwaniaLokaty =
        zerwanie ? DekodujZnakiHTML(zerwanie->mid(29)).trimmed() : QString();

    const QString* konto = LiniaZEtykieta(linie, kEtykietaKonta);
    const QString wymog = konto ? konto->mid(32) : QString();
    oferta.fWymaganeKontoOsobisteWTymBanku = !wymog.contains(u"niewymagane", kBezWielkosci) &&
                                             wymog.contains(u"wymagane", kBezWielkosci);

    const QString* informacje = LiniaZEtykieta(linie, kEtykietaInformacji);
    oferta.fPozostaleInformacje =
        informacje ? DekodujZnakiHTML(informacje->mid(21)).trimmed() : QString();
}

TOferta NowaOferta(const QStringList& k, const QString& bank, const TSekcjaSzczegolow& sekcja) {
    auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
    oferta->fZmiany = TTypModyfikacji::Dodano;
    oferta->fBank = bank;
    oferta->fNazwaHarmonogramu = PierwszaLiteraDuza(DekodujZnakiHTML(UsunZnacznikiHTML(k[5])));
    oferta->fOkresDepozytu = PobierzOkresDepozytu(k[1]);
    oferta->fJednostkaDepozytu = PobierzJednostkeDepozytu(k[1]);
    oferta->fKwotaMinimalna = KwotaZTekstu(k[3]);
    oferta->fKwotaMaksymalna = KwotaZTekstu(k[4]);
    oferta->fOprocentowanieStaleWCalymOkresieLokaty = PobierzOprocentowanieStale(k[6]);
    const QString stawka = k[2].toLower();
    oferta->fOprocentowanieWSkaliRoku = PobierzOprocentowanie(stawka);
    oferta->fKapitalizacja = PobierzKapitalizacje(stawka);
    oferta->fHarmonogramDodanyPrzezUzytkownika = false;
    WypelnijSzczegoly(*oferta, PobierzSzczegolyLokaty(k[7], sekcja));
    return oferta;
}

bool MaWartosc(const TElementHTML& element, const char* atrybut, QStringView wartosc) {
    return element.Atrybut(atrybut).compare(wartosc, kBezWielkosci) == 0;
}

} // namespace

void ParsujStroneZLokatami(const QString& sciezka, const QString& bank,
                           const TOdbiorcaOfert& odbiorca, const TPoWierszu& poWierszu) {
    QFile plik(sciezka);
    if (!plik.exists() || !plik.open(QIODevice::ReadOnly))
        return;
    const QByteArray tresc = plik.readAll();
    if (plik.error() != QFileDevice::NoError)
        return;
    ParsujTrescStrony(tresc, bank, odbiorca, poWierszu);
}

void ParsujTrescStrony(const QByteArray& tresc, const QString& bank, const TOdbiorcaOfert& odbiorca,
                       const TPoWierszu& poWierszu) {
    const TDokumentHTML dokument(tresc);
    const std::optional<TElementHTML> body = dokument.Body();
    const std::vector<TElementHTML> elementy =
        body ? body->Elementy() : std::vector<TElementHTML>();
    const auto ukryta = std::find_if(elementy.begin(), elementy.end(), [](const TElementHTML& e) {
        return e.MaNazwe("div") && MaWartosc(e, "class", u"hidden");
    });
    if (ukryta == elementy.end())
        throw EImportError(kBladSekcji);
    const TSekcjaSzczegolow sekcja(*ukryta);
    for (const TElementHTML& tabela : elementy) {
        if (!tabela.MaNazwe("table") || !MaWartosc(tabela, "id", u"lokaty"))
            continue;
        for (const TElementHTML& wiersz : tabela.Elementy()) {
            if (!wiersz.MaNazwe("tr") || wiersz.Atrybut("class").isEmpty())
                continue;
            for (TOferta& oferta : ParsujWierszTabeli(wiersz.WewnetrznyHTML(), bank, sekcja))
                odbiorca(std::move(oferta));
            if (poWierszu)
                poWierszu();
        }
    }
}

TListaOfert ParsujWierszTabeli(const QString& wiersz, const QString& bank,
                               const TSekcjaSzczegolow& sekcja) {
    TListaOfert wynik;
    if (JestPustyTekst(wiersz))
        return wynik;
    QString tekst = wiersz;
    UsunKonceWierszy(tekst);
    tekst.replace(QStringLiteral("</td>"), QStringLiteral("|"), kBezWielkosci);
    tekst.remove(QStringLiteral("<td>"), kBezWielkosci);
    QStringList komorki;
    PodzielTekst(u'|', tekst, komorki);
    if (komorki.size() != 8)
        throw EImportError(kBladKolumn);
    if (!JestLokata(komorki[5]) || !JestLokata(komorki[1]))
        return wynik;
    wynik.push_back(NowaOferta(komorki, bank, sekcja));
    return wynik;
}

bool JestLokata(const QString& tekst) {
    return !tekst.contains(u"konto oszcz", kBezWielkosci) &&
           !tekst.contains(u"rachunek oszczędnościowy", kBezWielkosci) &&
           !tekst.contains(u"rachunek oszczędzam", kBezWielkosci);
}

TJednostkaOkresu PobierzJednostkeDepozytu(const QString& tekst) {
    if (JestPustyTekst(tekst))
        throw EImportError(kBladJednostki + tekst);
    const TJednostkaOkresu jednostka = JednostkaLitery(tekst);
    const uint32_t n = LiczbaOkresu(tekst);
    if (jednostka == TJednostkaOkresu::Dzien && n % 7 == 0)
        return TJednostkaOkresu::Tydzien;
    if (jednostka == TJednostkaOkresu::Miesiac && n % 12 == 0)
        return TJednostkaOkresu::Rok;
    return jednostka;
}

uint32_t PobierzOkresDepozytu(const QString& tekst) {
    if (JestPustyTekst(tekst))
        throw EImportError(kBladOkresu + tekst);
    const uint32_t n = LiczbaOkresu(tekst);
    const TJednostkaOkresu jednostka = PobierzJednostkeDepozytu(tekst);
    if (jednostka == TJednostkaOkresu::Tydzien)
        return n / 7;
    if (jednostka == TJednostkaOkresu::Rok && JednostkaLitery(tekst) == TJednostkaOkresu::Miesiac)
        return n / 12;
    return n;
}

double PobierzOprocentowanie(const QString& tekst) {
    if (JestPustyTekst(tekst) || !tekst.contains(u'%'))
        throw EImportError(kBladOprocentowania + tekst);
    const qsizetype b = Pozycja(tekst, u"<b>");
    const qsizetype p = Pozycja(tekst, u"%");
    return KwotaZTekstu(Wycinek(tekst, b + 2, p - b));
}

TKapitalizacja PobierzKapitalizacje(const QString& tekst) {
    const qsizetype div = Pozycja(tekst, u"<div>");
    if (JestPustyTekst(tekst) || div == 0)
        throw EImportError(kBladKapitalizacji + tekst);
    QString t = tekst.mid(div - 1 + 5);
    t.remove(QStringLiteral("</div>"), kBezWielkosci);
    if (t.contains(u"dzienna", kBezWielkosci))
        return TKapitalizacja::Dzienna;
    if (t.contains(u"kwartalna", kBezWielkosci))
        return TKapitalizacja::Kwartalna;
    if (t.contains(u"po okresie", kBezWielkosci))
        return TKapitalizacja::PoOkresieUmowy;
    if (t.contains(u"po roku", kBezWielkosci) || t.contains(u"rachunek", kBezWielkosci) ||
        t.contains(u"roczna", kBezWielkosci))
        return TKapitalizacja::Roczna;
    if (t.contains(u"miesięczna", kBezWielkosci))
        return TKapitalizacja::Miesieczna;
    throw EImportError(kBladKapitalizacji + t);
}

bool PobierzOprocentowanieStale(const QString& tekst) {
    return !tekst.contains(u"zmienne", kBezWielkosci);
}

QString PobierzIdPodpowiedzi(const QString& tekst) {
    if (JestPustyTekst(tekst) || !tekst.contains(u"TagToTip(", kBezWielkosci))
        return {};
    const qsizetype p = Pozycja(tekst, u"TagToTip(");
    const qsizetype q = Pozycja(tekst, u");\"");
    return Wycinek(tekst, p + 10, q - p - 11);
}

QStringList PobierzSzczegolyLokaty(const QString& komorka, const TSekcjaSzczegolow& sekcja) {
    QStringList linie;
    if (JestPustyTekst(komorka) || !komorka.contains(u"TagToTip", kBezWielkosci))
        return linie;
    const QString id = PobierzIdPodpowiedzi(komorka);
    if (JestPustyTekst(id))
        return linie;
    const std::optional<TElementHTML> ramka = sekcja.Ramka(id);
    if (!ramka)
        return linie;
    QString tekst = ramka->WewnetrznyHTML();
    UsunKonceWierszy(tekst);
    tekst.replace(QStringLiteral("<br>"), QStringLiteral("| "), kBezWielkosci);
    for (const QString& znacznik : {QStringLiteral("<b>"), QStringLiteral("</b>"),
                                    QStringLiteral("<div class=lokata>"), QStringLiteral("</div>")})
        tekst.remove(znacznik, kBezWielkosci);
    PodzielTekst(u'|', tekst, linie);
    return linie;
}
