#include "domain/TKalendarzLokat.h"

#include "format/Formatowanie.h"

#include <QHash>
#include <algorithm>

const QString TKalendarzLokat::kPoTerminie = QStringLiteral("po terminie");

QString TMiesiacKalendarza::Klucz() const {
    if (poTerminie)
        return TKalendarzLokat::kPoTerminie;
    return QStringLiteral("%1-%2")
        .arg(rok, 4, 10, QLatin1Char('0'))
        .arg(miesiac, 2, 10, QLatin1Char('0'));
}

QString TMiesiacKalendarza::Naglowek() const {
    const QString nazwa = poTerminie ? QStringLiteral("Po terminie") : NazwaMiesiaca(rok, miesiac);
    return nazwa + QStringLiteral("   (lokat: %1, kwota: %2, szacowany zysk: %3)")
                       .arg(Ilosc())
                       .arg(FormatMoney(kwota), FormatMoney(szacowanyZysk));
}

QString TMiesiacKalendarza::NazwaMiesiaca(int rok, int miesiac) {
    const QStringList& nazwy = UstawieniaFormatow.LongMonthNames;
    const QString nazwa =
        miesiac >= 1 && miesiac <= nazwy.size() ? nazwy.at(miesiac - 1) : QString::number(miesiac);
    return nazwa + QLatin1Char(' ') + QString::number(rok);
}

namespace {

// Offers by id: the first of the list for each id, deleted ones included.
QHash<int32_t, THarmonogramLokatyBankowej*>
IndeksOfert(const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& harmonogramy) {
    QHash<int32_t, THarmonogramLokatyBankowej*> indeks;
    for (const auto& h : harmonogramy)
        if (h && h->fId != -1 && !indeks.contains(h->fId))
            indeks.insert(h->fId, h.get());
    return indeks;
}

bool WczesniejszaGrupa(const TMiesiacKalendarza& a, const TMiesiacKalendarza& b) {
    if (a.poTerminie != b.poTerminie)
        return a.poTerminie;
    return a.rok != b.rok ? a.rok < b.rok : a.miesiac < b.miesiac;
}

bool WczesniejszaPozycja(const TPozycjaKalendarza& a, const TPozycjaKalendarza& b) {
    const int porownanie = CompareDateTime(a.dataZakonczenia, b.dataZakonczenia);
    return porownanie != 0 ? porownanie < 0 : a.lokata->Id() < b.lokata->Id();
}

} // namespace

TKalendarzLokat::TKalendarzLokat(
    const std::vector<std::unique_ptr<TLokata>>& lokaty,
    const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& harmonogramy, TDateTime dzis)
    : fDzis(DateOf(dzis)) {
    const auto oferty = IndeksOfert(harmonogramy);
    for (const auto& lokata : lokaty) {
        if (!lokata || !lokata->Aktywna() || lokata->Zmiany() == TTypModyfikacji::Usunieto)
            continue;
        TPozycjaKalendarza pozycja;
        pozycja.lokata = lokata.get();
        pozycja.oferta = oferty.value(lokata->IdHarmonogramLokaty(), nullptr);
        pozycja.dataZakonczenia = lokata->SzacowanaDataZakonczenia();
        pozycja.szacowanyZysk = lokata->ObliczSzacowanyZyskZLokaty(pozycja.oferta);
        TMiesiacKalendarza& grupa = Grupa(pozycja);
        grupa.kwota += lokata->Kwota();
        grupa.szacowanyZysk += pozycja.szacowanyZysk;
        grupa.lokaty.push_back(pozycja);
    }
    std::sort(fMiesiace.begin(), fMiesiace.end(), WczesniejszaGrupa);
    for (TMiesiacKalendarza& miesiac : fMiesiace)
        std::sort(miesiac.lokaty.begin(), miesiac.lokaty.end(), WczesniejszaPozycja);
}

// Days count by the calendar date: a deposit ending today is not overdue.
TMiesiacKalendarza& TKalendarzLokat::Grupa(const TPozycjaKalendarza& pozycja) {
    TMiesiacKalendarza klucz;
    klucz.poTerminie = DateOf(pozycja.dataZakonczenia) < fDzis;
    if (!klucz.poTerminie) {
        klucz.rok = YearOf(pozycja.dataZakonczenia);
        klucz.miesiac = MonthOf(pozycja.dataZakonczenia);
    }
    const auto istniejaca = std::find_if(fMiesiace.begin(), fMiesiace.end(), [&](const auto& m) {
        return m.poTerminie == klucz.poTerminie && m.rok == klucz.rok && m.miesiac == klucz.miesiac;
    });
    if (istniejaca != fMiesiace.end())
        return *istniejaca;
    fMiesiace.push_back(std::move(klucz));
    return fMiesiace.back();
}

int TKalendarzLokat::IloscNadchodzacych() const {
    int ilosc = 0;
    for (const TMiesiacKalendarza& m : fMiesiace)
        ilosc += m.poTerminie ? 0 : m.Ilosc();
    return ilosc;
}

std::vector<TMiesiacKalendarza> TKalendarzLokat::KolejneMiesiace(int ile) const {
    std::vector<TMiesiacKalendarza> wynik;
    const TDateTime pierwszy = EncodeDate(YearOf(fDzis), MonthOf(fDzis), 1);
    for (int i = 0; i < ile; ++i) {
        const TDateTime dzien = IncMonth(pierwszy, i);
        TMiesiacKalendarza miesiac;
        miesiac.rok = YearOf(dzien);
        miesiac.miesiac = MonthOf(dzien);
        for (const TMiesiacKalendarza& m : fMiesiace)
            if (!m.poTerminie && m.rok == miesiac.rok && m.miesiac == miesiac.miesiac)
                miesiac = m;
        wynik.push_back(std::move(miesiac));
    }
    return wynik;
}
