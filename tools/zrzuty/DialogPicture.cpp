#include "DialogPicture.h"

#include "SavePicture.h"
#include "platform/Platform.h"

#include <QDialog>

DialogPicture::DialogPicture(const QDir& folder, const QString& name,
                             std::function<void(QDialog&)> fill)
    : fFolder(folder), fName(name), fFill(std::move(fill)),
      fPrevious(Platform::setModalRunner(this)) {}

DialogPicture::~DialogPicture() {
    Platform::setModalRunner(fPrevious);
}

int DialogPicture::runModal(QWidget* window) {
    auto* dialog = qobject_cast<QDialog*>(window);
    if (!dialog)
        return QDialog::Rejected;
    dialog->show();
    if (fFill)
        fFill(*dialog);
    SavePicture(*dialog, fFolder, fName);
    dialog->hide();
    return QDialog::Rejected;
}
