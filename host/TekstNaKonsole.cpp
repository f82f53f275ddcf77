#include "TekstNaKonsole.h"

#include "data/TekstBledu.h"

QString TekstNaKonsole(QString tekst) {
    return tekst.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
}

QString TekstBleduNaKonsole(const std::exception& blad) {
    return TekstNaKonsole(TekstBledu(blad));
}
