// The deposits window's lists: columns, filling, column widths and sorting by
// a click on a column header.
#include "ui/TLokatyFormGlowny.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TWierszeListLokat.h"
#include "ui/TAMHFlashLabel.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TGrupyBankow.h"
#include "ui/THeaderPanel.h"
#include "ui/TIkonyLokat.h"
#include "ui/TKoloryWierszyLokat.h"
#include "ui/TListaRaportowa.h"
#include "ui/TSzerokosciKolumn.h"
#include "ui/TZakladkaKalendarza.h"

#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>
#include <QTreeWidgetItemIterator>

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

// Painting of a list is switched off while it is rebuilt.
class TBlokadaOdswiezania {
public:
    explicit TBlokadaOdswiezania(QWidget* lista) : fLista(lista) {
        fLista->setUpdatesEnabled(false);
    }
    ~TBlokadaOdswiezania() { fLista->setUpdatesEnabled(true); }
    TBlokadaOdswiezania(const TBlokadaOdswiezania&) = delete;
    TBlokadaOdswiezania& operator=(const TBlokadaOdswiezania&) = delete;

private:
    QWidget* fLista;
};

QStringList TytulyKolumn(const QTreeWidget& lista) {
    QStringList tytuly;
    for (int i = 0; i < lista.columnCount(); ++i)
        tytuly.append(lista.headerItem()->text(i));
    return tytuly;
}

// Each column as wide as its widest text (title included) plus 20 pixels;
// the first column also makes room for the row images and check boxes.
void UstawSzerokosciKolumn(QTreeWidget& lista, const QList<QStringList>& wiersze, bool obrazki,
                           bool polaWyboru) {
    TBlokadaOdswiezania blokada(&lista);
    TSzerokosciKolumn miara(lista.font());
    const QList<int> szerokosci = miara.Szerokosci(TytulyKolumn(lista), wiersze);
    for (int kolumna = 0; kolumna < szerokosci.size(); ++kolumna) {
        int szerokosc = szerokosci[kolumna];
        if (kolumna == 0) {
            szerokosc += obrazki ? lista.iconSize().width() : 0;
            szerokosc += polaWyboru ? 20 : 0;
        }
        lista.setColumnWidth(kolumna, szerokosc + 20);
    }
}

} // namespace

void TLokatyFormGlowny::PrzygotujOkno() {
    pan_1->SetHeading(windowTitle());
    lbl_IleLokat->UstawTekst(QString());
    const QMargins marginesy = pan_LokatyBottom->layout()->contentsMargins();
    pan_LokatyBottom->setMinimumHeight(lbl_IleLokat->sizeHint().height() +
                                       Label1->sizeHint().height() + marginesy.top() +
                                       marginesy.bottom() + pan_LokatyBottom->layout()->spacing());
    pgc_Zakladki->setCurrentWidget(ts_TwojeLokaty);
    TKolekcjeDanych* kolekcje = Kolekcje();
    PrzygotujKolumnyLokat(kolekcje);
    PrzygotujKolumnyHarmonogramow(kolekcje);
    DopasujSzerokoscKolumn(lv_Lokaty);
    DopasujSzerokoscKolumn(lv_HarmonogramyLokatBankowych);
}

void TLokatyFormGlowny::PrzygotujKolumnyLokat(TKolekcjeDanych* kolekcje) {
    lv_Lokaty->WyczyscKolumny();
    lv_Lokaty->UstawKolory([this](const QTreeWidgetItem* wiersz) {
        return std::optional(
            TKoloryWierszyLokat::Lokaty(LokataWiersza(wiersz), lv_Lokaty->palette()));
    });
    if (!kolekcje)
        return;
    const QStringList tytuly = TytulyBezID(kolekcje->TabelaLokaty());
    QList<Qt::Alignment> wyrownania;
    for (int i = 0; i < tytuly.size(); ++i)
        wyrownania.append(i == 0 ? Qt::AlignLeft : Qt::AlignRight);
    lv_Lokaty->UstawKolumny(tytuly, wyrownania);
    kolekcje->PosortujLokatyPoDacieZakonczenia();
}

void TLokatyFormGlowny::PrzygotujKolumnyHarmonogramow(TKolekcjeDanych* kolekcje) {
    lv_HarmonogramyLokatBankowych->WyczyscKolumny();
    lv_HarmonogramyLokatBankowych->UstawKolory([](const QTreeWidgetItem* wiersz) {
        return std::optional(
            TKoloryWierszyLokat::Harmonogramu(TListaRaportowa::IndeksWiersza(wiersz)));
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
    lbl_IleLokat->UstawTekst(QString());
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (kolekcje) {
        UstawWyswietlanaTabele();
        WypelnijListeLokat(*kolekcje);
        ts_Kalendarz->Wypelnij(kolekcje, MyDB->PlikiDB().DataFile());
        if (wypelnijHarmonogramy)
            WypelnijListeHarmonogramow(*kolekcje);
    }
    UstawPrzyciski();
}

void TLokatyFormGlowny::UstawWyswietlanaTabele() {
    MyDB->SetWyswietlanaTabela(TTabele::Lokaty);
}

void TLokatyFormGlowny::WypelnijListeLokat(TKolekcjeDanych& kolekcje) {
    int iloscAktywnych = 0;
    double kwota = 0;
    double zysk = 0;
    QList<QStringList> teksty;
    // After a command the same deposit stays selected.
    const TLokata* wybrana = WybranaLokata();
    {
        TBlokadaOdswiezania blokada(lv_Lokaty);
        lv_Lokaty->clear();
        const auto harmonogramy = IndeksHarmonogramow(kolekcje.HarmonogramyLokatBankowych());
        QTreeWidgetItem* aktywne = TListaRaportowa::UtworzGrupe(QStringLiteral("Lokaty aktywne"));
        QTreeWidgetItem* nieaktywne =
            TListaRaportowa::UtworzGrupe(QStringLiteral("Lokaty nieaktywne, zakończone"));
        const QIcon ikona = TIkonyLokat::Lokata();
        int indeks = 0;
        for (const auto& lokata : kolekcje.Lokaty()) {
            if (!lokata || lokata->Zmiany() == TTypModyfikacji::Usunieto)
                continue;
            THarmonogramLokatyBankowej* harmonogram =
                harmonogramy.value(lokata->IdHarmonogramLokaty(), nullptr);
            const double zyskLokaty = lokata->ObliczSzacowanyZyskZLokaty(harmonogram);
            teksty.append(TListaRaportowa::WcietaNazwa(
                TWierszeListLokat::KomorkiLokaty(*lokata, harmonogram, zyskLokaty)));
            QTreeWidgetItem* wiersz =
                TListaRaportowa::UtworzWiersz(teksty.last(), lokata.get(), indeks++, ikona);
            (lokata->Aktywna() ? aktywne : nieaktywne)->addChild(wiersz);
            if (lokata->Aktywna()) {
                ++iloscAktywnych;
                kwota += lokata->Kwota();
                zysk += zyskLokaty;
            }
        }
        lv_Lokaty->WstawGrupy({aktywne, nieaktywne});
        lv_Lokaty->ZaznaczRekord(wybrana);
    }
    UstawSzerokosciKolumn(*lv_Lokaty, teksty, true, false);
    lbl_IleLokat->UstawTekst(TWierszeListLokat::Podsumowanie(iloscAktywnych, kwota, zysk));
}

void TLokatyFormGlowny::WypelnijListeHarmonogramow(TKolekcjeDanych& kolekcje) {
    QList<QStringList> teksty;
    const THarmonogramLokatyBankowej* wybrany = WybranyHarmonogram();
    {
        TBlokadaOdswiezania blokada(lv_HarmonogramyLokatBankowych);
        lv_HarmonogramyLokatBankowych->clear();
        auto& harmonogramy = kolekcje.HarmonogramyLokatBankowych();
        kolekcje.PosortujHarmonogramy();
        TGrupyBankow banki;
        for (const auto& h : harmonogramy)
            if (h)
                banki.Grupa(h->fBank);
        QList<QTreeWidgetItem*> grupy;
        for (const QString& bank : banki.Naglowki())
            grupy.append(TListaRaportowa::UtworzGrupe(bank));
        const QIcon ikona = TIkonyLokat::Bank();
        int indeks = 0;
        for (const auto& h : harmonogramy) {
            if (!h || h->fZmiany == TTypModyfikacji::Usunieto)
                continue;
            teksty.append(TWierszeListLokat::KomorkiHarmonogramu(*h));
            grupy[banki.Grupa(h->fBank)]->addChild(
                TListaRaportowa::UtworzWiersz(teksty.last(), h.get(), indeks++, ikona));
        }
        lv_HarmonogramyLokatBankowych->WstawGrupy(grupy);
        lv_HarmonogramyLokatBankowych->ZaznaczRekord(wybrany);
    }
    UstawSzerokosciKolumn(*lv_HarmonogramyLokatBankowych, teksty, true, false);
}

void TLokatyFormGlowny::DopasujSzerokoscKolumn(QTreeWidget* lista) {
    if (!lista)
        return;
    QList<QStringList> wiersze;
    bool obrazki = false;
    bool polaWyboru = false;
    for (QTreeWidgetItemIterator it(lista); *it; ++it) {
        if (TListaRaportowa::JestGrupa(*it))
            continue;
        if (wiersze.isEmpty())
            obrazki = !(*it)->icon(0).isNull();
        polaWyboru = polaWyboru || ((*it)->flags() & Qt::ItemIsUserCheckable);
        QStringList komorki;
        for (int kolumna = 0; kolumna < lista->columnCount(); ++kolumna)
            komorki.append((*it)->text(kolumna));
        wiersze.append(komorki);
    }
    UstawSzerokosciKolumn(*lista, wiersze, obrazki, polaWyboru);
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

void TLokatyFormGlowny::lv_HarmonogramyLokatBankowychColumnClick(int) {
    WypelnijListy(true);
}
