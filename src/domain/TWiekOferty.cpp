#include "domain/TWiekOferty.h"

#include "domain/TKursEUR.h"

#include <algorithm>
#include <cmath>

int TWiekOferty::DniOdAktualizacji(TDateTime dataDodania, TDateTime dzis) {
    const double dni = std::floor(DateOf(dzis)) - std::floor(DateOf(dataDodania));
    return static_cast<int>(std::max(0.0, dni));
}

int TWiekOferty::DniOdAktualizacji(const THarmonogramLokatyBankowej& oferta, TDateTime dzis) {
    return DniOdAktualizacji(oferta.DataDodaniaModyfikacji(), dzis);
}

bool TWiekOferty::Nieaktualna(const THarmonogramLokatyBankowej& oferta, TDateTime dzis, int prog) {
    return DniOdAktualizacji(oferta, dzis) > prog;
}

int TWiekOferty::IleNieaktualnych(
    const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& oferty, TDateTime dzis,
    int prog) {
    return static_cast<int>(std::count_if(oferty.begin(), oferty.end(), [&](const auto& oferta) {
        return oferta && oferta->Zmiany() != TTypModyfikacji::Usunieto &&
               Nieaktualna(*oferta, dzis, prog);
    }));
}

QString TWiekOferty::Podpowiedz(const THarmonogramLokatyBankowej& oferta, TDateTime dzis) {
    const int dni = DniOdAktualizacji(oferta, dzis);
    const QString ile = dni == 1 ? QStringLiteral("1 dnia") : QStringLiteral("%1 dni").arg(dni);
    return QStringLiteral("dane sprzed %1 (%2) — sprawdź aktualną ofertę banku")
        .arg(ile, DataWFormacieISO(DateOf(oferta.DataDodaniaModyfikacji())));
}

QString TWiekOferty::TekstWieku(int dni) {
    if (dni <= 0)
        return QStringLiteral("dziś");
    return dni == 1 ? QStringLiteral("1 dzień") : QStringLiteral("%1 dni").arg(dni);
}

QString TWiekOferty::Podsumowanie(int ileNieaktualnych, int prog) {
    const QString dni = prog == 1 ? QStringLiteral("1 dzień") : QStringLiteral("%1 dni").arg(prog);
    return QStringLiteral("starsze niż %1: %2").arg(dni).arg(ileNieaktualnych);
}
