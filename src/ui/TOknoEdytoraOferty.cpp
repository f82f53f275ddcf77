#include "ui/TOknoEdytoraOferty.h"

#include "platform/Platform.h"
#include "ui/TFormDodajEdytujLokateBankowa.h"

bool TOknoEdytoraOferty::Edytuj(const QString& tytul, const QStringList& banki,
                                const THarmonogramLokatyBankowej* wzor,
                                THarmonogramLokatyBankowej& cel) {
    TFormDodajEdytujLokateBankowa dialog(fRodzic);
    dialog.UstawTytul(tytul);
    dialog.WypelnijBanki(banki);
    if (wzor)
        dialog.UstawHarmonogram(*wzor);
    else
        dialog.UstawDomyslne();
    return Platform::modalRunner().runModal(&dialog) == QDialog::Accepted && dialog.ZapiszW(cel);
}
