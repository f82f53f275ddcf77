#include "ui/QtModalRunner.h"

#include "ui/DopasowanieDoEkranu.h"

#include <QDialog>

int QtModalRunner::runModal(QWidget* dialog) {
    auto* modal = qobject_cast<QDialog*>(dialog);
    if (!modal)
        return 0;
    DopasujPoOprawieniu(*modal);
    return modal->exec() == QDialog::Accepted ? 1 : 0;
}
