#pragma once
#include "app/IDialogZyskuZLokaty.h"
#include "app/IEdytorLokaty.h"

class QWidget;

// The deposit commands' dialogs as windows: the deposit editor and the
// profit dialog, each created for one showing over the deposits window,
// with the amount limits of the module.
class TDialogiLokat : public IEdytorLokaty, public IDialogZyskuZLokaty {
public:
    // `widok` is any widget of the deposits window; the dialogs belong to
    // its window.
    TDialogiLokat(QWidget& widok, int maksymalnaDlugoscKwoty, double maksymalnaWartosc);

    std::optional<TDaneLokaty> Pokaz(const TWypelnienieEdytoraLokaty& wypelnienie) override;
    std::optional<TZyskZakonczonej> Pokaz(const QString& nazwaLokaty,
                                          const TPropozycjaZysku& propozycja,
                                          const TTabDwuwymiarowa& oszczednosci) override;

private:
    QWidget& fWidok;
    int fMaksymalnaDlugoscKwoty;
    double fMaksymalnaWartosc;
};
