#include "import/KodowanieStrony.h"

#include "format/StronyKodowe.h"

#include <QRegularExpression>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace {

bool JestPoprawnymUtf8(const QByteArray& bajty) {
    QStringDecoder dekoder(QStringDecoder::Utf8);
    const QString tekst = dekoder.decode(bajty);
    return !dekoder.hasError();
}

// The Polish code page the page's <meta> names, if any.
std::optional<TStronaKodowa> KodowanieZMeta(const QByteArray& bajty) {
    static const QRegularExpression kCharset(
        QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?\s*([A-Za-z0-9_.:-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = kCharset.match(QString::fromLatin1(bajty));
    if (!m.hasMatch())
        return std::nullopt;
    const QString nazwa = m.captured(1).toLower();
    if (nazwa == u"iso-8859-2" || nazwa == u"iso8859-2" || nazwa == u"iso_8859-2" ||
        nazwa == u"latin2" || nazwa == u"l2")
        return TStronaKodowa::Iso88592;
    if (nazwa == u"windows-1250" || nazwa == u"cp1250" || nazwa == u"x-cp1250")
        return TStronaKodowa::Windows1250;
    return std::nullopt;
}

} // namespace

QByteArray TrescStronyWUtf8(const QByteArray& bajty) {
    if (bajty.startsWith("\xEF\xBB\xBF"))
        return bajty.mid(3);
    if (JestPoprawnymUtf8(bajty))
        return bajty;
    const std::optional<TStronaKodowa> strona = KodowanieZMeta(bajty);
    return strona ? ZeStronyKodowej(bajty.constData(), bajty.size(), *strona).toUtf8() : bajty;
}
