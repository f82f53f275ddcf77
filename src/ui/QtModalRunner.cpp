#include "ui/QtModalRunner.h"

#include <QDialog>

int QtModalRunner::runModal(QWidget* dialog) {
    auto* modal = qobject_cast<QDialog*>(dialog);
    if (!modal)
        return 0;
    return modal->exec() == QDialog::Accepted ? 1 : 0;
}
