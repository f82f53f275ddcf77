#pragma once
#include "platform/IModalRunner.h"

#include <QDir>
#include <QString>
#include <functional>

class QDialog;

// Takes the place of the modal showing while a command opens its dialog: the
// dialog is shown, filled, saved as a picture and closed unconfirmed, so the
// command goes on as after "Anuluj".
class DialogPicture : public IModalRunner {
public:
    DialogPicture(const QDir& folder, const QString& name, std::function<void(QDialog&)> fill = {});
    ~DialogPicture() override;
    DialogPicture(const DialogPicture&) = delete;
    DialogPicture& operator=(const DialogPicture&) = delete;

    int runModal(QWidget* window) override;

private:
    QDir fFolder;
    QString fName;
    std::function<void(QDialog&)> fFill;
    IModalRunner* fPrevious;
};
