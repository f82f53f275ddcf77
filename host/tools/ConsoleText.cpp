#include "tools/ConsoleText.h"

#include "data/TekstBledu.h"

namespace {

bool IsControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// `kept` are the control characters kept.
QString Replace(QString text, QStringView kept) {
    for (QChar& c : text) {
        if (IsControl(c.unicode()) && !kept.contains(c))
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

} // namespace

QString ConsoleText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    return Replace(std::move(text), u"\n\t");
}

QString ConsoleCell(QString text) {
    return Replace(std::move(text), {});
}

QString ConsoleField(QString text) {
    return Replace(std::move(text), u"\r\n\t");
}

QString ConsoleErrorText(const std::exception& error) {
    return ConsoleText(TekstBledu(error));
}
