// The deposits window's answers to "is my money safe and what needs me
// soon": the lines of the banks over the deposit-guarantee limit, the bar of
// the deposits past or near their end, and the user's pairs of bank names that
// are one institution.
#include "ui/TLokatyFormGlowny.h"

#include "data/TKolekcjeDanych.h"
#include "data/TUstawieniaLokat.h"
#include "domain/TGwarancjeBFG.h"
#include "domain/TKonczaceSieLokaty.h"
#include "import/TAktualizacjaKursuEUR.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "ui/TAMHFlashLabel.h"
#include "ui/TEtykietaGwarancji.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TFormBankiJednejInstytucji.h"
#include "ui/TFormProgiOstrzezen.h"
#include "ui/TListaRaportowa.h"
#include "ui/TPasekKonczacychSieLokat.h"

#include <QLayout>
#include <QResizeEvent>
#include <QSet>

void TLokatyFormGlowny::WczytajUstawieniaGwarancji() {
    if (!fAktualizacjaKursu || !fAktualizacjaKursu->Trwa()) {
        fKursEUR = TUstawieniaLokat::KursDoUzycia();
        fAktualizacjaKursu = std::make_unique<TAktualizacjaKursuEUR>(
            this, [this](const TKursEUR& kurs) { PrzyjmijKursEUR(kurs); });
        fAktualizacjaKursu->Rozpocznij();
    }
    fPolaczoneBanki = TUstawieniaLokat::PolaczoneBanki();
    fDniDoZakonczenia = TUstawieniaLokat::DniDoZakonczenia();
    fDniDoNieaktualnosci = TUstawieniaLokat::DniDoNieaktualnosci();
}

void TLokatyFormGlowny::PrzyjmijKursEUR(const TKursEUR& kurs) {
    fKursEUR = kurs;
    if (TKolekcjeDanych* kolekcje = Kolekcje())
        PokazGwarancje(*kolekcje);
}

void TLokatyFormGlowny::PokazGwarancje(TKolekcjeDanych& kolekcje) {
    const TGwarancjeBFG gwarancje(kolekcje.Lokaty(), kolekcje.HarmonogramyLokatBankowych(),
                                  fPolaczoneBanki, fKursEUR);
    lbl_GwarancjaBFG->UstawLinie(gwarancje.Ostrzezenia());
    UstawWysokoscPodsumowania();
}

void TLokatyFormGlowny::PokazKonczaceSie(TKolekcjeDanych& kolekcje) {
    pan_KonczaceSie->Pokaz(TKonczaceSieLokaty(kolekcje.Lokaty(), Now(), fDniDoZakonczenia).Tekst());
}

void TLokatyFormGlowny::ZaznaczKonczaceSie() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje)
        return;
    QList<const void*> rekordy;
    for (const TLokata* lokata :
         TKonczaceSieLokaty(kolekcje->Lokaty(), Now(), fDniDoZakonczenia).Wszystkie())
        rekordy.append(lokata);
    lv_Lokaty->ZaznaczRekordy(rekordy);
    lv_Lokaty->setFocus();
}

void TLokatyFormGlowny::BankiJednejInstytucjiClick() {
    TKolekcjeDanych* kolekcje = KolekcjeLubKomunikat();
    if (!kolekcje)
        return;
    QStringList banki;
    QSet<QString> znane;
    for (const auto& oferta : kolekcje->HarmonogramyLokatBankowych())
        if (oferta && !znane.contains(oferta->fBank)) {
            znane.insert(oferta->fBank);
            banki.append(oferta->fBank);
        }
    banki.sort(Qt::CaseInsensitive);
    TFormBankiJednejInstytucji okno(fPolaczoneBanki, banki, this);
    if (Platform::modalRunner().runModal(&okno) != QDialog::Accepted)
        return;
    TUstawieniaLokat::UstawPolaczoneBanki(okno.Pary());
    fPolaczoneBanki = TUstawieniaLokat::PolaczoneBanki();
    PokazGwarancje(*kolekcje);
}

namespace {

// A wrapped label's size hint guesses a narrow width and so too many lines;
// once laid out, its real width gives its real height.
int WysokoscEtykiety(const QWidget& etykieta, int szerokosc) {
    if (szerokosc > 0 && etykieta.hasHeightForWidth())
        return etykieta.heightForWidth(szerokosc);
    return etykieta.sizeHint().height();
}

} // namespace

// New thresholds take effect at once: the offers' marks and summary, the
// comparison, and the bar of deposits ending soon.
void TLokatyFormGlowny::ProgiOstrzezenClick() {
    TFormProgiOstrzezen okno(fDniDoNieaktualnosci, fDniDoZakonczenia, this);
    if (Platform::modalRunner().runModal(&okno) != QDialog::Accepted)
        return;
    TUstawieniaLokat::UstawDniDoNieaktualnosci(okno.DniDoNieaktualnosci());
    TUstawieniaLokat::UstawDniDoZakonczenia(okno.DniDoZakonczenia());
    fDniDoNieaktualnosci = TUstawieniaLokat::DniDoNieaktualnosci();
    fDniDoZakonczenia = TUstawieniaLokat::DniDoZakonczenia();
    WypelnijListy(true);
}

// The summary panel keeps room for its lines, the guarantee lines included
// while they are shown, wrapped at the panel's width.
void TLokatyFormGlowny::UstawWysokoscPodsumowania() {
    QLayout* uklad = pan_LokatyBottom->layout();
    const QMargins marginesy = uklad->contentsMargins();
    const int szerokosc = pan_LokatyBottom->width() - marginesy.left() - marginesy.right();
    int wysokosc = WysokoscEtykiety(*lbl_IleLokat, szerokosc) +
                   WysokoscEtykiety(*Label1, szerokosc) + marginesy.top() + marginesy.bottom() +
                   uklad->spacing();
    if (!lbl_GwarancjaBFG->isHidden())
        wysokosc += WysokoscEtykiety(*lbl_GwarancjaBFG, szerokosc) + uklad->spacing();
    pan_LokatyBottom->setMinimumHeight(wysokosc);
}

bool TLokatyFormGlowny::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == pan_LokatyBottom && zdarzenie->type() == QEvent::Resize &&
        static_cast<QResizeEvent*>(zdarzenie)->oldSize().width() != pan_LokatyBottom->width())
        UstawWysokoscPodsumowania();
    return QDialog::eventFilter(obiekt, zdarzenie);
}
