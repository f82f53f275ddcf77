#include "entry/TekstBledu.h"

#include "data/EDataError.h"
#include "data/ESQLiteException.h"

QString TekstBledu(const std::exception& blad) {
    if (const auto* bladDanych = dynamic_cast<const EDataError*>(&blad))
        return bladDanych->Message();
    if (const auto* bladSQLite = dynamic_cast<const ESQLiteException*>(&blad))
        return bladSQLite->Message();
    return QString::fromUtf8(blad.what());
}
