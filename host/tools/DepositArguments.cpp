#include "tools/DepositArguments.h"

#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "format/TLiczbaDziesietna.h"

#include <QRegularExpression>
#include <limits>
#include <utility>

namespace {

const std::pair<const char*, TJednostkaOkresu> kUnits[] = {
    {"dzien", TJednostkaOkresu::Dzien},     {"dzień", TJednostkaOkresu::Dzien},
    {"tydzien", TJednostkaOkresu::Tydzien}, {"tydzień", TJednostkaOkresu::Tydzien},
    {"miesiac", TJednostkaOkresu::Miesiac}, {"miesiąc", TJednostkaOkresu::Miesiac},
    {"rok", TJednostkaOkresu::Rok},         {"brak", TJednostkaOkresu::Brak},
};

const std::pair<const char*, TKapitalizacja> kCapitalisations[] = {
    {"dzienna", TKapitalizacja::Dzienna},
    {"miesieczna", TKapitalizacja::Miesieczna},
    {"miesięczna", TKapitalizacja::Miesieczna},
    {"kwartalna", TKapitalizacja::Kwartalna},
    {"polroczna", TKapitalizacja::Polroczna},
    {"półroczna", TKapitalizacja::Polroczna},
    {"roczna", TKapitalizacja::Roczna},
    {"po-okresie-umowy", TKapitalizacja::PoOkresieUmowy},
    {"brak", TKapitalizacja::Brak},
};

template <typename T, size_t N>
std::optional<T> Named(const std::pair<const char*, T> (&names)[N], const QString& text) {
    for (const auto& [name, value] : names) {
        if (text.compare(QString::fromUtf8(name), Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<TJednostkaOkresu> UnitFromName(const QString& name) {
    return Named(kUnits, name);
}

std::optional<TKapitalizacja> CapitalisationFromName(const QString& name) {
    return Named(kCapitalisations, name);
}

bool ReadNumber(const QString& text, double& value) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*-?[0-9][0-9 ]*([.,][0-9]*)?\\s*$"));
    if (!pattern.match(text).hasMatch())
        return false;
    value = KwotaZTekstu(text);
    // A number too large for a double reads as 0: that is not what was typed.
    static const QRegularExpression nonZeroDigit(QStringLiteral("[1-9]"));
    return value != 0 || !text.contains(nonZeroDigit);
}

bool ReadCents(const QString& text, int64_t& cents) {
    const auto amount = TLiczbaDziesietna::ZTekstu(text);
    cents = amount ? amount->WSkali(2).value_or(0) : 0;
    return cents > 0;
}

bool ReadPeriod(const QString& text, uint16_t& period) {
    if (!JestLiczbaCalkowita(text))
        return false;
    const int value = text.toInt();
    if (value < 0 || value > std::numeric_limits<uint16_t>::max())
        return false;
    period = static_cast<uint16_t>(value);
    return true;
}

bool ReadDate(const QString& text, TDateTime& date) {
    return TryStrToDateTime(text, date, UstawieniaFormatow);
}
