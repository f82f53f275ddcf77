#include "ui/TDialogiLokat.h"

#include "platform/Platform.h"
#include "ui/TFormDodajEdytujLokate.h"
#include "ui/TFormDodajZyskZLokatyDoOszczednosci.h"

#include <QLabel>

TDialogiLokat::TDialogiLokat(QWidget& widok, int maksymalnaDlugoscKwoty, double maksymalnaWartosc)
    : fWidok(widok), fMaksymalnaDlugoscKwoty(maksymalnaDlugoscKwoty),
      fMaksymalnaWartosc(maksymalnaWartosc) {}

std::optional<TDaneLokaty> TDialogiLokat::Pokaz(const TWypelnienieEdytoraLokaty& wypelnienie) {
    TFormDodajEdytujLokate dialog(fWidok.window());
    if (!wypelnienie.tytul.isEmpty())
        dialog.setWindowTitle(wypelnienie.tytul);
    dialog.UstawNaglowek(wypelnienie.naglowek);
    dialog.UstawOgraniczeniaKwoty(fMaksymalnaDlugoscKwoty, fMaksymalnaWartosc);
    dialog.WypelnijHarmonogramy(wypelnienie.opisyHarmonogramow);
    dialog.UstawLokate(wypelnienie.nazwa, wypelnienie.kwota, wypelnienie.dataRozpoczecia,
                       wypelnienie.okres, wypelnienie.jednostka, wypelnienie.opisHarmonogramu);
    if (Platform::modalRunner().runModal(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Dane();
}

std::optional<TZyskZakonczonej> TDialogiLokat::Pokaz(const QString& nazwaLokaty,
                                                     const TPropozycjaZysku& propozycja,
                                                     const TTabDwuwymiarowa& oszczednosci) {
    TFormDodajZyskZLokatyDoOszczednosci dialog(fWidok.window());
    dialog.lbl_AddZysk_Head->setText(QStringLiteral("Zysk z lokaty"));
    dialog.UstawInformacje(TFormDodajZyskZLokatyDoOszczednosci::TekstInformacji(
        nazwaLokaty, propozycja.zrodlo, propozycja.kwota, propozycja.warunki));
    dialog.UstawZysk(propozycja.kwota, fMaksymalnaDlugoscKwoty, fMaksymalnaWartosc);
    dialog.WypelnijOszczednosci(oszczednosci);
    if (Platform::modalRunner().runModal(&dialog) != QDialog::Accepted || !dialog.kliknietoOK)
        return std::nullopt;
    return TZyskZakonczonej{dialog.IdWybranejOszczednosci(), dialog.Kwota()};
}
