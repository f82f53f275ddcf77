#pragma once
#include <QString>
#include <QStringList>

class THarmonogramLokatyBankowej;

// The offer editor as the offer commands see it; the deposits window shows
// the real dialog, tests answer from a script.
class IEdytorOferty {
public:
    virtual ~IEdytorOferty() = default;

    // Shows the editor captioned `tytul` with `banki` to choose from, filled
    // from `wzor` (null: the values of a new offer). After OK the values that
    // pass the editor's checks go into `cel`, which may be `wzor` itself, and
    // the result is true. False when the user cancelled or a check refused
    // the values (the user was told); `cel` is then untouched.
    virtual bool Edytuj(const QString& tytul, const QStringList& banki,
                        const THarmonogramLokatyBankowej* wzor,
                        THarmonogramLokatyBankowej& cel) = 0;
};
