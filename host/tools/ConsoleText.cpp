#include "tools/ConsoleText.h"

#include "data/TekstBledu.h"

namespace {

bool Sterujacy(char16_t znak) {
    return znak < 0x20 || (znak >= 0x7F && znak <= 0x9F);
}

// `zachowane` are the control characters kept.
QString Zastap(QString tekst, QStringView zachowane) {
    for (QChar& znak : tekst) {
        if (Sterujacy(znak.unicode()) && !zachowane.contains(znak))
            znak = QChar(QChar::ReplacementCharacter);
    }
    return tekst;
}

} // namespace

QString ConsoleText(QString tekst) {
    tekst.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    return Zastap(std::move(tekst), u"\n\t");
}

QString ConsoleCell(QString tekst) {
    return Zastap(std::move(tekst), {});
}

QString ConsoleField(QString tekst) {
    return Zastap(std::move(tekst), u"\r\n\t");
}

QString ConsoleErrorText(const std::exception& blad) {
    return ConsoleText(TekstBledu(blad));
}
