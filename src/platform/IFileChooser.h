#pragma once
#include <QString>

// The desktop's file open and save dialogs. An empty result means the user
// cancelled. The filter uses Qt's form: "Opis (*.ext)".
class IFileChooser {
public:
    virtual ~IFileChooser() = default;
    virtual QString chooseFileToOpen(const QString& caption, const QString& filter) = 0;
    virtual QString chooseFileToSave(const QString& caption, const QString& filter,
                                     const QString& suggestedName) = 0;
};
