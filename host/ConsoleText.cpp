#include "ConsoleText.h"

#include "data/TekstBledu.h"

namespace {

bool Sterujacy(char16_t znak) {
    return znak < 0x20 || (znak >= 0x7F && znak <= 0x9F);
}

QString Zastap(QString tekst, bool zachowajLinie) {
    for (QChar& znak : tekst) {
        const char16_t kod = znak.unicode();
        if (Sterujacy(kod) && !(zachowajLinie && (kod == u'\n' || kod == u'\t')))
            znak = QChar(QChar::ReplacementCharacter);
    }
    return tekst;
}

} // namespace

QString ConsoleText(QString tekst) {
    tekst.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    return Zastap(std::move(tekst), true);
}

QString ConsoleCell(QString tekst) {
    return Zastap(std::move(tekst), false);
}

QString ConsoleErrorText(const std::exception& blad) {
    return ConsoleText(TekstBledu(blad));
}
