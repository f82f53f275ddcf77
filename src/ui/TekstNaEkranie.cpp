#include "ui/TekstNaEkranie.h"

QString TekstNaEkranie(const QString& text) {
    QString screen = text;
    screen.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    screen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return screen;
}
