// The deposits window's lists: columns, filling, column widths and sorting by
// a click on a column header.
#include "ui/TLokatyFormGlowny.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TGrupyBankow.h"
#include "domain/TKomorkiHarmonogramow.h"
#include "domain/TWiekOferty.h"
#include "platform/Clock.h"
#include "ui/TEksportListy.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/THeaderPanel.h"
#include "ui/TIkonyLokat.h"
#include "ui/TKoloryWierszyLokat.h"
#include "ui/TListaRaportowa.h"
#include "ui/TZakladkaKalendarza.h"
#include "ui/TZakladkaLokat.h"

#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>
#include <algorithm>

namespace {

// Column titles of a descriptor without its first entry, "ID".
QStringList TytulyBezID(const TTabela& tabela) {
    QStringList tytuly;
    for (int i = 1; i <= tabela.IleKolumn(); ++i)
        tytuly.append(tabela.TytulyKolumn().at(i));
    return tytuly;
}

// The stale mark's tooltip, which depends only on the day the offer was
// added: offers of one day (a whole import) share one text.
const QString& PodpowiedzWieku(const THarmonogramLokatyBankowej& oferta, TDateTime dzis,
                               QHash<TDateTime, QString>& podpowiedzi) {
    const TDateTime dzien = DateOf(oferta.DataDodaniaModyfikacji());
    auto it = podpowiedzi.constFind(dzien);
    if (it == podpowiedzi.constEnd())
        it = podpowiedzi.insert(dzien, TWiekOferty::Podpowiedz(oferta, dzis));
    return *it;
}

} // namespace

void TLokatyFormGlowny::PrzygotujOkno() {
    pan_1->SetHeading(windowTitle());
    ts_TwojeLokaty->PrzygotujPodsumowanie();
    pgc_Zakladki->setCurrentWidget(ts_TwojeLokaty);
    TKolekcjeDanych* kolekcje = Kolekcje();
    ts_TwojeLokaty->PrzygotujKolumny(kolekcje);
    PrzygotujKolumnyHarmonogramow(kolekcje);
    lv_HarmonogramyLokatBankowych->DopasujSzerokoscKolumn();
}

void TLokatyFormGlowny::PrzygotujKolumnyHarmonogramow(TKolekcjeDanych* kolekcje) {
    lv_HarmonogramyLokatBankowych->WyczyscKolumny();
    lv_HarmonogramyLokatBankowych->UstawIkone(TIkonyLokat::Bank());
    lv_HarmonogramyLokatBankowych->UstawIkoneUwagi(TIkonyLokat::BankNieaktualny());
    lv_HarmonogramyLokatBankowych->UstawKolory([](const TWierszRaportu& wiersz) {
        return std::optional(TKoloryWierszyLokat::Harmonogramu(wiersz.indeks));
    });
    if (!kolekcje)
        return;
    const QStringList tytuly = TytulyBezID(kolekcje->TabelaHarmonogramyLokatBankowych());
    QList<Qt::Alignment> wyrownania;
    for (int i = 0; i < tytuly.size(); ++i)
        wyrownania.append(i >= 2 && i <= 6 ? Qt::AlignRight : Qt::AlignLeft);
    lv_HarmonogramyLokatBankowych->UstawKolumny(tytuly, wyrownania);
}

void TLokatyFormGlowny::WypelnijListy(bool wypelnijHarmonogramy) {
    ts_TwojeLokaty->WyczyscPodsumowanie();
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (kolekcje) {
        UstawWyswietlanaTabele();
        ts_TwojeLokaty->Wypelnij(*kolekcje, MyDB->PlikiDB().DataFile());
        ts_Kalendarz->Wypelnij(kolekcje, MyDB->PlikiDB().DataFile());
        if (wypelnijHarmonogramy && pgc_Zakladki->currentWidget() == ts_LokatyBankowe)
            WypelnijListeHarmonogramow(*kolekcje);
        else if (wypelnijHarmonogramy)
            OdlozListeHarmonogramow();
    }
    UstawPrzyciski();
}

void TLokatyFormGlowny::UstawWyswietlanaTabele() {
    MyDB->SetWyswietlanaTabela(TTabele::Lokaty);
}

void TLokatyFormGlowny::WypelnijListeHarmonogramow(TKolekcjeDanych& kolekcje) {
    const THarmonogramLokatyBankowej* wybrany = WybranyHarmonogram();
    auto& harmonogramy = kolekcje.HarmonogramyLokatBankowych();
    kolekcje.PosortujHarmonogramy();
    TGrupyBankow banki;
    TKomorkiHarmonogramow komorki;
    std::vector<TWierszRaportu> wiersze;
    wiersze.reserve(harmonogramy.size());
    const TDateTime dzis = Now();
    int nieaktualne = 0;
    QHash<TDateTime, QString> podpowiedzi;
    for (const auto& h : harmonogramy) {
        if (!h)
            continue;
        const int grupa = banki.Grupa(h->fBank);
        if (h->fZmiany == TTypModyfikacji::Usunieto)
            continue;
        wiersze.push_back({komorki.Komorki(*h), h.get(), grupa});
        // Rates change every few weeks: old data is marked, with its age.
        if (TWiekOferty::Nieaktualna(*h, dzis, fDniDoNieaktualnosci)) {
            wiersze.back().uwaga = PodpowiedzWieku(*h, dzis, podpowiedzi);
            ++nieaktualne;
        }
    }
    lbl_IleOfert->UstawTekst(QStringLiteral("Ilość lokat bankowych: %1, ").arg(wiersze.size()) +
                             TWiekOferty::Podsumowanie(nieaktualne, fDniDoNieaktualnosci));
    lv_HarmonogramyLokatBankowych->Wypelnij(banki.Naglowki(), std::move(wiersze));
    lv_HarmonogramyLokatBankowych->ZaznaczRekord(wybrany);
    lv_HarmonogramyLokatBankowych->DopasujSzerokoscKolumn();
}

// Filling ten thousand offers costs more than the rest of the window's first
// showing; the list waits for its tab. Its rows go at once, since the records
// they point at may be replaced before the tab is shown.
void TLokatyFormGlowny::OdlozListeHarmonogramow() {
    if (!fHarmonogramyOdlozone) {
        const THarmonogramLokatyBankowej* wybrany = WybranyHarmonogram();
        fKluczOdlozonejOferty = wybrany ? wybrany->BankNazwaOprocentowanie() : QString();
    }
    fHarmonogramyOdlozone = true;
    lv_HarmonogramyLokatBankowych->Wyczysc();
}

void TLokatyFormGlowny::WypelnijOdlozonaListeHarmonogramow() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!fHarmonogramyOdlozone || !kolekcje)
        return;
    fHarmonogramyOdlozone = false;
    WypelnijListeHarmonogramow(*kolekcje);
    if (!fKluczOdlozonejOferty.isEmpty())
        lv_HarmonogramyLokatBankowych->ZaznaczRekord(
            kolekcje->PobierzHarmonogramLokatyBankowejDlaBanikINazwa(fKluczOdlozonejOferty));
    fKluczOdlozonejOferty.clear();
}

int TLokatyFormGlowny::IloscOfert() const {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje)
        return 0;
    const auto& oferty = kolekcje->HarmonogramyLokatBankowych();
    return static_cast<int>(std::count_if(oferty.begin(), oferty.end(), [](const auto& h) {
        return h && h->fZmiany != TTypModyfikacji::Usunieto;
    }));
}

TTabelaListy TLokatyFormGlowny::TabelaListy(const TListaRaportowa* lista) const {
    return TEksportListy::Tabela(*lista, QStringLiteral("Lokaty oferowane przez banki"),
                                 lbl_IleOfert->text());
}

QString TLokatyFormGlowny::PlikDanych() const {
    return MyDB ? MyDB->PlikiDB().DataFile() : QString();
}

void TLokatyFormGlowny::lv_HarmonogramyLokatBankowychColumnClick(int) {
    WypelnijListy(true);
}
