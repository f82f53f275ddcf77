#include "ui/TOstrzezeniaLokat.h"

#include "app/Komunikaty.h"
#include "app/TDecyzjeZapisu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TUstawieniaLokat.h"
#include "domain/TGwarancjeBFG.h"
#include "domain/TKonczaceSieLokaty.h"
#include "import/TAktualizacjaKursuEUR.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "ui/TFormBankiJednejInstytucji.h"
#include "ui/TListaRaportowa.h"
#include "ui/TPasekKonczacychSieLokat.h"
#include "ui/TPodsumowanieLokat.h"

#include <QSet>

TOstrzezeniaLokat::TOstrzezeniaLokat(TDecyzjeZapisu& zapis, TPodsumowanieLokat& podsumowanie,
                                     TPasekKonczacychSieLokat& pasek, TListaRaportowa& lista,
                                     QObject* parent)
    : QObject(parent), fZapis(zapis), fPodsumowanie(podsumowanie), fPasek(pasek), fLista(lista) {
    connect(&fPasek, &TPasekKonczacychSieLokat::PokazLokaty, this,
            &TOstrzezeniaLokat::ZaznaczKonczaceSie);
}

TOstrzezeniaLokat::~TOstrzezeniaLokat() = default;

void TOstrzezeniaLokat::NowePokazanie() {
    if (!fAktualizacjaKursu || !fAktualizacjaKursu->Trwa()) {
        fKursEUR = TUstawieniaLokat::KursDoUzycia();
        fAktualizacjaKursu = std::make_unique<TAktualizacjaKursuEUR>(
            this, [this](const TKursEUR& kurs) { PrzyjmijKursEUR(kurs); });
        fAktualizacjaKursu->Rozpocznij();
    }
    fPolaczoneBanki = TUstawieniaLokat::PolaczoneBanki();
    fDniDoZakonczenia = TUstawieniaLokat::DniDoZakonczenia();
    fPasek.NowePokazanie();
}

void TOstrzezeniaLokat::Pokaz(TKolekcjeDanych& kolekcje) {
    PokazGwarancje(kolekcje);
    fPasek.Pokaz(TKonczaceSieLokaty(kolekcje.Lokaty(), Now(), fDniDoZakonczenia).Tekst());
}

TGwarancjeBFG TOstrzezeniaLokat::Gwarancje(TKolekcjeDanych& kolekcje) const {
    return TGwarancjeBFG(kolekcje.Lokaty(), kolekcje.HarmonogramyLokatBankowych(), fPolaczoneBanki,
                         fKursEUR);
}

void TOstrzezeniaLokat::PokazGwarancje(TKolekcjeDanych& kolekcje) {
    fPodsumowanie.UstawLinieGwarancji(Gwarancje(kolekcje).Ostrzezenia());
}

void TOstrzezeniaLokat::PrzyjmijKursEUR(const TKursEUR& kurs) {
    fKursEUR = kurs;
    if (TKolekcjeDanych* kolekcje = fZapis.Kolekcje())
        PokazGwarancje(*kolekcje);
}

void TOstrzezeniaLokat::ZaznaczKonczaceSie() {
    TKolekcjeDanych* kolekcje = fZapis.Kolekcje();
    if (!kolekcje)
        return;
    QList<const void*> rekordy;
    for (const TLokata* lokata :
         TKonczaceSieLokaty(kolekcje->Lokaty(), Now(), fDniDoZakonczenia).Wszystkie())
        rekordy.append(lokata);
    fLista.ZaznaczRekordy(rekordy);
    fLista.setFocus();
}

void TOstrzezeniaLokat::BankiJednejInstytucji(QWidget* okno) {
    TKolekcjeDanych* kolekcje = fZapis.Kolekcje();
    if (!kolekcje) {
        PokazBrakPolaczeniaZBaza();
        return;
    }
    QStringList banki;
    QSet<QString> znane;
    for (const auto& oferta : kolekcje->HarmonogramyLokatBankowych())
        if (oferta && !znane.contains(oferta->fBank)) {
            znane.insert(oferta->fBank);
            banki.append(oferta->fBank);
        }
    banki.sort(Qt::CaseInsensitive);
    TFormBankiJednejInstytucji dialog(fPolaczoneBanki, banki, okno);
    if (Platform::modalRunner().runModal(&dialog) != QDialog::Accepted)
        return;
    TUstawieniaLokat::UstawPolaczoneBanki(dialog.Pary());
    fPolaczoneBanki = TUstawieniaLokat::PolaczoneBanki();
    PokazGwarancje(*kolekcje);
}
