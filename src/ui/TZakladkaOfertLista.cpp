// The offers tab's list: columns, filling (deferred while the tab is hidden),
// the selection, sorting by a click on a column header, and the list as a
// table for the CSV export and the printout.
#include "ui/TZakladkaOfert.h"

#include "app/TPoleceniaOfert.h"
#include "data/TKolekcjeDanych.h"
#include "domain/TGrupyBankow.h"
#include "domain/TKomorkiHarmonogramow.h"
#include "domain/TWiekOferty.h"
#include "platform/Clock.h"
#include "ui/TEksportListy.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TIkonyLokat.h"
#include "ui/TKoloryWierszyLokat.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"

#include <QHash>
#include <algorithm>

namespace {

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

void TZakladkaOfert::PrzygotujKolumny(TKolekcjeDanych* kolekcje) {
    TListaRaportowa* lista = lv_HarmonogramyLokatBankowych;
    lista->WyczyscKolumny();
    lista->UstawIkone(TIkonyLokat::Bank());
    lista->UstawIkoneUwagi(TIkonyLokat::BankNieaktualny());
    lista->UstawKolory([](const TWierszRaportu& wiersz) {
        return std::optional(TKoloryWierszyLokat::Harmonogramu(wiersz.indeks));
    });
    if (kolekcje) {
        // Column titles without the first, "ID"; the numbers on the right.
        const TTabela& tabela = kolekcje->TabelaHarmonogramyLokatBankowych();
        QStringList tytuly;
        QList<Qt::Alignment> wyrownania;
        for (int i = 1; i <= tabela.IleKolumn(); ++i) {
            tytuly.append(tabela.TytulyKolumn().at(i));
            wyrownania.append(i >= 3 && i <= 7 ? Qt::AlignRight : Qt::AlignLeft);
        }
        lista->UstawKolumny(tytuly, wyrownania);
    }
    lista->DopasujSzerokoscKolumn();
}

void TZakladkaOfert::Wypelnij(TKolekcjeDanych& kolekcje, int dniDoNieaktualnosci, bool naWierzchu) {
    fDniDoNieaktualnosci = dniDoNieaktualnosci;
    if (naWierzchu)
        WypelnijListe(kolekcje);
    else
        OdlozListe();
}

void TZakladkaOfert::WypelnijListe(TKolekcjeDanych& kolekcje) {
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

// The rows go at once, since the records they point at may be replaced
// before the tab is shown.
void TZakladkaOfert::OdlozListe() {
    if (!fListaOdlozona) {
        const THarmonogramLokatyBankowej* wybrany = WybranyHarmonogram();
        fKluczOdlozonejOferty = wybrany ? wybrany->BankNazwaOprocentowanie() : QString();
    }
    fListaOdlozona = true;
    lv_HarmonogramyLokatBankowych->Wyczysc();
}

void TZakladkaOfert::WypelnijOdlozonaListe() {
    TKolekcjeDanych* kolekcje = fPolecenia->Kolekcje();
    if (!fListaOdlozona || !kolekcje)
        return;
    fListaOdlozona = false;
    WypelnijListe(*kolekcje);
    if (!fKluczOdlozonejOferty.isEmpty())
        lv_HarmonogramyLokatBankowych->ZaznaczRekord(
            kolekcje->PobierzHarmonogramLokatyBankowejDlaBanikINazwa(fKluczOdlozonejOferty));
    fKluczOdlozonejOferty.clear();
}

int TZakladkaOfert::IloscOfert() const {
    TKolekcjeDanych* kolekcje = fPolecenia->Kolekcje();
    if (!kolekcje)
        return 0;
    const auto& oferty = kolekcje->HarmonogramyLokatBankowych();
    return static_cast<int>(std::count_if(oferty.begin(), oferty.end(), [](const auto& h) {
        return h && h->fZmiany != TTypModyfikacji::Usunieto;
    }));
}

QString TZakladkaOfert::TytulZakladki() const {
    return QStringLiteral("Lokaty &oferowane przez banki (%1)").arg(IloscOfert());
}

const TWierszRaportu* TZakladkaOfert::WybranyWiersz() const {
    return lv_HarmonogramyLokatBankowych->WybranyWiersz();
}

THarmonogramLokatyBankowej* TZakladkaOfert::WybranyHarmonogram() const {
    return HarmonogramWiersza(WybranyWiersz());
}

THarmonogramLokatyBankowej* TZakladkaOfert::HarmonogramWiersza(const TWierszRaportu* wiersz) const {
    if (!wiersz || !lv_HarmonogramyLokatBankowych->IndeksWiersza(*wiersz).isValid())
        return nullptr;
    return static_cast<THarmonogramLokatyBankowej*>(wiersz->rekord);
}

void TZakladkaOfert::ZaznaczOferte(const THarmonogramLokatyBankowej* oferta) {
    lv_HarmonogramyLokatBankowych->ZaznaczRekord(oferta);
}

void TZakladkaOfert::lv_HarmonogramyLokatBankowychColumnClick(int) {
    fOkno.WypelnijListy(true);
}

TTabelaListy TZakladkaOfert::TabelaListy() const {
    return TEksportListy::Tabela(*lv_HarmonogramyLokatBankowych,
                                 QStringLiteral("Lokaty oferowane przez banki"),
                                 lbl_IleOfert->text());
}
