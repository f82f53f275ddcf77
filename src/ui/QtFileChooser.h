#pragma once
#include "platform/IFileChooser.h"

#include <QPointer>
#include <QWidget>

// The desktop's file dialogs through QFileDialog. Opening asks for an existing
// file; saving asks before overwriting and adds the filter's extension when the
// typed name has none.
class QtFileChooser : public IFileChooser {
public:
    explicit QtFileChooser(QWidget* owner = nullptr);

    QWidget* Owner() const { return fOwner; }
    void SetOwner(QWidget* owner);

    QString chooseFileToOpen(const QString& caption, const QString& filter) override;
    QString chooseFileToSave(const QString& caption, const QString& filter,
                             const QString& suggestedName) override;

    // The extension of the filter's first pattern without its dot
    // ("Lokaty bankowe (*.vq_lb)" gives "vq_lb"); empty when there is none.
    static QString DefaultSuffix(const QString& filter);

private:
    QPointer<QWidget> fOwner;
};
