#include "domain/TKursEUR.h"

#include "format/Formatowanie.h"

#include <cmath>

TKursEUR TKursEUR::Wbudowany() {
    return {kWbudowany, EncodeDate(kRokWbudowanego, kMiesiacWbudowanego, kDzienWbudowanego),
            TZrodloKursu::Wbudowany};
}

TKursEUR TKursEUR::DoUzycia(const std::optional<TKursEUR>& zapisany) {
    if (zapisany && Prawidlowy(zapisany->kurs))
        return {zapisany->kurs, DateOf(zapisany->data), TZrodloKursu::Zapisany};
    return Wbudowany();
}

bool TKursEUR::Prawidlowy(double kurs) {
    return std::isfinite(kurs) && kurs >= kNajnizszy && kurs <= kNajwyzszy;
}

bool TKursEUR::PobranieNalezne(const std::optional<TDateTime>& ostatniePobranie, TDateTime dzis) {
    return !ostatniePobranie || DateOf(*ostatniePobranie) != DateOf(dzis);
}

QString TKursEUR::NazwaZrodla() const {
    switch (zrodlo) {
    case TZrodloKursu::NBP:
        return QStringLiteral("NBP");
    case TZrodloKursu::Zapisany:
        return QStringLiteral("zapisany");
    case TZrodloKursu::Wbudowany:
        return QStringLiteral("wbudowany");
    case TZrodloKursu::Podany:
        return QStringLiteral("podany");
    }
    return {};
}

QString TKursEUR::DataISO() const {
    return DataWFormacieISO(data);
}

QString TKursEUR::Opis() const {
    switch (zrodlo) {
    case TZrodloKursu::Podany:
        return QStringLiteral("kurs podany ") + FormatFixed(kurs, 4);
    case TZrodloKursu::Wbudowany:
        return QStringLiteral("kurs NBP z ") + DataISO() + QStringLiteral(" (brak połączenia)");
    case TZrodloKursu::NBP:
    case TZrodloKursu::Zapisany:
        break;
    }
    return QStringLiteral("kurs NBP z ") + DataISO();
}

QString DataWFormacieISO(TDateTime data) {
    return ToQDate(data).toString(Qt::ISODate);
}
