#include "ConsoleText.h"

#include "data/TekstBledu.h"

QString ConsoleText(QString tekst) {
    return tekst.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
}

QString ConsoleErrorText(const std::exception& blad) {
    return ConsoleText(TekstBledu(blad));
}
