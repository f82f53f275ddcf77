// The deposits window's deposit list: columns, filling, column widths and
// sorting by a click on a column header; the offers list is the offers tab's.
#include "ui/TLokatyFormGlowny.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TWierszeListLokat.h"
#include "platform/Clock.h"
#include "ui/TAMHFlashLabel.h"
#include "ui/TEksportListy.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/THeaderPanel.h"
#include "ui/TIkonyLokat.h"
#include "ui/TKoloryWierszyLokat.h"
#include "ui/TListaRaportowa.h"
#include "ui/TZakladkaKalendarza.h"
#include "ui/TZakladkaOfert.h"

#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>

namespace {

// Column titles of a descriptor without its first entry, "ID".
QStringList TytulyBezID(const TTabela& tabela) {
    QStringList tytuly;
    for (int i = 1; i <= tabela.IleKolumn(); ++i)
        tytuly.append(tabela.TytulyKolumn().at(i));
    return tytuly;
}

// Offers by id, the first of the catalogue order for each id (deleted ones
// included), as the collections' lookup by id finds them.
QHash<int32_t, THarmonogramLokatyBankowej*>
IndeksHarmonogramow(const TListaObiektow<THarmonogramLokatyBankowej>& harmonogramy) {
    QHash<int32_t, THarmonogramLokatyBankowej*> indeks;
    indeks.reserve(static_cast<qsizetype>(harmonogramy.size()));
    for (const auto& h : harmonogramy)
        if (h && h->fId != -1 && !indeks.contains(h->fId))
            indeks.insert(h->fId, h.get());
    return indeks;
}

} // namespace

void TLokatyFormGlowny::PrzygotujOkno() {
    pan_1->SetHeading(windowTitle());
    lbl_IleLokat->UstawTekst(QString());
    UstawWysokoscPodsumowania();
    pgc_Zakladki->setCurrentWidget(ts_TwojeLokaty);
    TKolekcjeDanych* kolekcje = Kolekcje();
    PrzygotujKolumnyLokat(kolekcje);
    ts_LokatyBankowe->PrzygotujKolumny(kolekcje);
    lv_Lokaty->DopasujSzerokoscKolumn();
}

void TLokatyFormGlowny::PrzygotujKolumnyLokat(TKolekcjeDanych* kolekcje) {
    lv_Lokaty->WyczyscKolumny();
    lv_Lokaty->UstawIkone(TIkonyLokat::Lokata());
    lv_Lokaty->UstawKolory([this](const TWierszRaportu& wiersz) {
        return std::optional(TKoloryWierszyLokat::Lokaty(static_cast<const TLokata*>(wiersz.rekord),
                                                         lv_Lokaty->palette()));
    });
    if (!kolekcje)
        return;
    const QStringList tytuly = TytulyBezID(kolekcje->TabelaLokaty());
    QList<Qt::Alignment> wyrownania;
    for (int i = 0; i < tytuly.size(); ++i)
        wyrownania.append(i == 0 ? Qt::AlignLeft : Qt::AlignRight);
    lv_Lokaty->UstawKolumny(tytuly, wyrownania);
    // "Lokata bankowa" and "Szacowany zysk" (whose hint without an offer is
    // long) give way first, so that the days left stay in view.
    lv_Lokaty->UstawKolumnyElastyczne({4, 6});
    kolekcje->PosortujLokatyPoDacieZakonczenia();
}

void TLokatyFormGlowny::WypelnijListy(bool wypelnijHarmonogramy) {
    lbl_IleLokat->UstawTekst(QString());
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (kolekcje) {
        UstawWyswietlanaTabele();
        WypelnijListeLokat(*kolekcje);
        ts_Kalendarz->Wypelnij(kolekcje, MyDB->PlikiDB().DataFile());
        if (wypelnijHarmonogramy)
            ts_LokatyBankowe->Wypelnij(*kolekcje, fDniDoNieaktualnosci,
                                       pgc_Zakladki->currentWidget() == ts_LokatyBankowe);
    }
    UstawPrzyciski();
}

void TLokatyFormGlowny::UstawWyswietlanaTabele() {
    MyDB->SetWyswietlanaTabela(TTabele::Lokaty);
}

void TLokatyFormGlowny::WypelnijListeLokat(TKolekcjeDanych& kolekcje) {
    enum { kAktywne, kNieaktywne };
    int iloscAktywnych = 0;
    double kwota = 0;
    double zysk = 0;
    // After a command the same deposit stays selected.
    const TLokata* wybrana = WybranaLokata();
    const auto harmonogramy = IndeksHarmonogramow(kolekcje.HarmonogramyLokatBankowych());
    std::vector<TWierszRaportu> wiersze;
    wiersze.reserve(kolekcje.Lokaty().size());
    for (const auto& lokata : kolekcje.Lokaty()) {
        if (!lokata || lokata->Zmiany() == TTypModyfikacji::Usunieto)
            continue;
        THarmonogramLokatyBankowej* harmonogram =
            harmonogramy.value(lokata->IdHarmonogramLokaty(), nullptr);
        const double zyskLokaty = lokata->ObliczSzacowanyZyskZLokaty(harmonogram);
        wiersze.push_back({TListaRaportowa::WcietaNazwa(
                               TWierszeListLokat::KomorkiLokaty(*lokata, harmonogram, zyskLokaty)),
                           lokata.get(), lokata->Aktywna() ? kAktywne : kNieaktywne});
        if (lokata->Aktywna()) {
            ++iloscAktywnych;
            kwota += lokata->Kwota();
            zysk += zyskLokaty;
        }
    }
    lv_Lokaty->Wypelnij(TWierszeListLokat::NaglowkiGrup(), std::move(wiersze));
    lv_Lokaty->ZaznaczRekord(wybrana);
    lv_Lokaty->DopasujSzerokoscKolumn();
    lbl_IleLokat->UstawTekst(TWierszeListLokat::Podsumowanie(iloscAktywnych, kwota, zysk));
    PokazGwarancje(kolekcje);
    PokazKonczaceSie(kolekcje);
}

TTabelaListy TLokatyFormGlowny::TabelaListy(const TListaRaportowa* lista) const {
    return TEksportListy::Tabela(*lista, QStringLiteral("Lokaty"), lbl_IleLokat->text());
}

QString TLokatyFormGlowny::PlikDanych() const {
    return MyDB ? MyDB->PlikiDB().DataFile() : QString();
}

void TLokatyFormGlowny::lv_LokatyColumnClick(int kolumna) {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje)
        return;
    switch (kolumna) {
    case 0:
        kolekcje->PosortujLokatyPoNazwie();
        break;
    case 1:
        kolekcje->PosortujLokatyPoKwocie();
        break;
    case 2:
        kolekcje->PosortujLokatyPoDacieRozpoczecia();
        break;
    case 3:
        kolekcje->PosortujLokatyPoCzasieTrwania();
        break;
    case 5:
    case 7:
        kolekcje->PosortujLokatyPoDacieZakonczenia();
        break;
    default:
        break;
    }
    WypelnijListy(false);
}
