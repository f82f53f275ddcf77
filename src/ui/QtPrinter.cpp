#include "ui/QtPrinter.h"

#include "ui/RodzicDialogu.h"

#include <QPrintDialog>
#include <QPrinter>

QtPrinter::QtPrinter(QWidget* owner) : fOwner(owner) {}

void QtPrinter::SetOwner(QWidget* owner) {
    fOwner = owner;
}

bool QtPrinter::print(const QString& documentName,
                      const std::function<void(QPagedPaintDevice&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, RodzicDialogu(fOwner));
    dialog.setWindowTitle(QStringLiteral("Drukuj: %1").arg(documentName));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}
