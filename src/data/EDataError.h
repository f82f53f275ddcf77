#pragma once
#include "data/TWynikPolecenSQL.h"
#include "platform/EMessageError.h"

#include <QList>

// A plain error of the household data layer, carrying a Polish message for
// the user.
class EDataError : public EMessageError {
public:
    using EMessageError::EMessageError;

    // The batches of statements that failed earlier in the operation this
    // error ended and were handed back to nobody (the data layer shows no
    // message box): the owner shows them before this error. Only the
    // start-up of the database project fills them in, as the project dies
    // with its error.
    const QList<TWynikPolecenSQL>& BledyPolecen() const { return fBledyPolecen; }
    void SetBledyPolecen(const QList<TWynikPolecenSQL>& value) { fBledyPolecen = value; }

private:
    QList<TWynikPolecenSQL> fBledyPolecen;
};
