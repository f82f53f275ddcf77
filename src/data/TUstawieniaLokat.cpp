#include "data/TUstawieniaLokat.h"

#include "domain/TKonczaceSieLokaty.h"
#include "domain/TWiekOferty.h"

#include <QSettings>
#include <algorithm>

const QString TUstawieniaLokat::kPolaczoneBanki = QStringLiteral("Gwarancje/PolaczoneBanki");
const QString TUstawieniaLokat::kKursEUR = QStringLiteral("Gwarancje/KursEUR");
const QString TUstawieniaLokat::kDataKursu = QStringLiteral("Gwarancje/DataKursu");
const QString TUstawieniaLokat::kOstatniePobranie = QStringLiteral("Gwarancje/OstatniePobranie");
const QString TUstawieniaLokat::kDniDoNieaktualnosci = QStringLiteral("Oferty/DniDoNieaktualnosci");
const QString TUstawieniaLokat::kDniDoZakonczenia = QStringLiteral("Lokaty/DniDoZakonczenia");

namespace {

const QString kBank = QStringLiteral("Bank");
const QString kTenSamCo = QStringLiteral("TenSamCo");

QSettings Ustawienia() {
    return QSettings(QStringLiteral("Brenvik"), QStringLiteral("Talvora"));
}

int Dni(const QString& klucz, int domyslnie) {
    bool liczba = false;
    const int dni = Ustawienia().value(klucz).toInt(&liczba);
    if (!liczba)
        return domyslnie;
    return std::clamp(dni, 1, TUstawieniaLokat::kNajwiecejDni);
}

void UstawDni(const QString& klucz, int dni) {
    Ustawienia().setValue(klucz, std::clamp(dni, 1, TUstawieniaLokat::kNajwiecejDni));
}

std::optional<TDateTime> Dzien(const QSettings& ustawienia, const QString& klucz) {
    const QDate data = QDate::fromString(ustawienia.value(klucz).toString(), Qt::ISODate);
    if (!data.isValid())
        return std::nullopt;
    return FromQDate(data);
}

} // namespace

std::vector<TParaBankow> TUstawieniaLokat::PolaczoneBanki() {
    QSettings ustawienia = Ustawienia();
    std::vector<TParaBankow> pary;
    const int ile = ustawienia.beginReadArray(kPolaczoneBanki);
    for (int i = 0; i < ile; ++i) {
        ustawienia.setArrayIndex(i);
        pary.emplace_back(ustawienia.value(kBank).toString(),
                          ustawienia.value(kTenSamCo).toString());
    }
    ustawienia.endArray();
    return TPolaczoneBanki::Uporzadkuj(pary);
}

void TUstawieniaLokat::UstawPolaczoneBanki(const std::vector<TParaBankow>& pary) {
    const std::vector<TParaBankow> uporzadkowane = TPolaczoneBanki::Uporzadkuj(pary);
    QSettings ustawienia = Ustawienia();
    ustawienia.remove(kPolaczoneBanki);
    ustawienia.beginWriteArray(kPolaczoneBanki, static_cast<int>(uporzadkowane.size()));
    for (int i = 0; i < static_cast<int>(uporzadkowane.size()); ++i) {
        ustawienia.setArrayIndex(i);
        ustawienia.setValue(kBank, uporzadkowane[i].first);
        ustawienia.setValue(kTenSamCo, uporzadkowane[i].second);
    }
    ustawienia.endArray();
}

int TUstawieniaLokat::DniDoNieaktualnosci() {
    return Dni(kDniDoNieaktualnosci, TWiekOferty::kDomyslnyProg);
}

void TUstawieniaLokat::UstawDniDoNieaktualnosci(int dni) {
    UstawDni(kDniDoNieaktualnosci, dni);
}

int TUstawieniaLokat::DniDoZakonczenia() {
    return Dni(kDniDoZakonczenia, TKonczaceSieLokaty::kDomyslnieDni);
}

void TUstawieniaLokat::UstawDniDoZakonczenia(int dni) {
    UstawDni(kDniDoZakonczenia, dni);
}

std::optional<TKursEUR> TUstawieniaLokat::ZapisanyKurs() {
    const QSettings ustawienia = Ustawienia();
    bool liczba = false;
    const double kurs = ustawienia.value(kKursEUR).toDouble(&liczba);
    const std::optional<TDateTime> data = Dzien(ustawienia, kDataKursu);
    if (!liczba || !data || !TKursEUR::Prawidlowy(kurs))
        return std::nullopt;
    return TKursEUR{kurs, *data, TZrodloKursu::Zapisany};
}

TKursEUR TUstawieniaLokat::KursDoUzycia() {
    return TKursEUR::DoUzycia(ZapisanyKurs());
}

bool TUstawieniaLokat::ZapiszKurs(double kurs, TDateTime dataKursu) {
    if (!TKursEUR::Prawidlowy(kurs))
        return false;
    QSettings ustawienia = Ustawienia();
    ustawienia.setValue(kKursEUR, kurs);
    ustawienia.setValue(kDataKursu, DataWFormacieISO(DateOf(dataKursu)));
    return true;
}

std::optional<TDateTime> TUstawieniaLokat::OstatniePobranieKursu() {
    return Dzien(Ustawienia(), kOstatniePobranie);
}

void TUstawieniaLokat::UstawOstatniePobranieKursu(TDateTime dzien) {
    Ustawienia().setValue(kOstatniePobranie, DataWFormacieISO(DateOf(dzien)));
}
