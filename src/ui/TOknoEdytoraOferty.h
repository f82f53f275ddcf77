#pragma once
#include "app/IEdytorOferty.h"

class QWidget;

// The offer commands' editor: the dialog TFormDodajEdytujLokateBankowa,
// shown modally over `rodzic` through the platform's modal runner.
class TOknoEdytoraOferty : public IEdytorOferty {
public:
    explicit TOknoEdytoraOferty(QWidget* rodzic) : fRodzic(rodzic) {}

    bool Edytuj(const QString& tytul, const QStringList& banki,
                const THarmonogramLokatyBankowej* wzor, THarmonogramLokatyBankowej& cel) override;

private:
    QWidget* fRodzic;
};
