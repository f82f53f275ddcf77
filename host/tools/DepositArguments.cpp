#include "tools/DepositArguments.h"

#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "format/TLiczbaDziesietna.h"

#include <QRegularExpression>
#include <limits>
#include <utility>

namespace {

const std::pair<const char*, TJednostkaOkresu> kJednostki[] = {
    {"dzien", TJednostkaOkresu::Dzien},     {"dzień", TJednostkaOkresu::Dzien},
    {"tydzien", TJednostkaOkresu::Tydzien}, {"tydzień", TJednostkaOkresu::Tydzien},
    {"miesiac", TJednostkaOkresu::Miesiac}, {"miesiąc", TJednostkaOkresu::Miesiac},
    {"rok", TJednostkaOkresu::Rok},         {"brak", TJednostkaOkresu::Brak},
};

const std::pair<const char*, TKapitalizacja> kKapitalizacje[] = {
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
std::optional<T> Nazwana(const std::pair<const char*, T> (&nazwy)[N], const QString& tekst) {
    for (const auto& [nazwa, wartosc] : nazwy) {
        if (tekst.compare(QString::fromUtf8(nazwa), Qt::CaseInsensitive) == 0)
            return wartosc;
    }
    return std::nullopt;
}

} // namespace

std::optional<TJednostkaOkresu> UnitFromName(const QString& nazwa) {
    return Nazwana(kJednostki, nazwa);
}

std::optional<TKapitalizacja> CapitalisationFromName(const QString& nazwa) {
    return Nazwana(kKapitalizacje, nazwa);
}

bool ReadNumber(const QString& tekst, double& wartosc) {
    static const QRegularExpression wzor(QStringLiteral("^\\s*-?[0-9][0-9 ]*([.,][0-9]*)?\\s*$"));
    if (!wzor.match(tekst).hasMatch())
        return false;
    wartosc = KwotaZTekstu(tekst);
    // A number too large for a double reads as 0: that is not what was typed.
    static const QRegularExpression cyfraNiezerowa(QStringLiteral("[1-9]"));
    return wartosc != 0 || !tekst.contains(cyfraNiezerowa);
}

bool ReadCents(const QString& tekst, int64_t& grosze) {
    const auto kwota = TLiczbaDziesietna::ZTekstu(tekst);
    grosze = kwota ? kwota->WSkali(2).value_or(0) : 0;
    return grosze > 0;
}

bool ReadPeriod(const QString& tekst, uint16_t& okres) {
    if (!JestLiczbaCalkowita(tekst))
        return false;
    const int wartosc = tekst.toInt();
    if (wartosc < 0 || wartosc > std::numeric_limits<uint16_t>::max())
        return false;
    okres = static_cast<uint16_t>(wartosc);
    return true;
}

bool ReadDate(const QString& tekst, TDateTime& data) {
    return TryStrToDateTime(tekst, data, UstawieniaFormatow);
}
