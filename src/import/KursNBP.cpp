#include "import/KursNBP.h"

#include "data/TUstawieniaLokat.h"
#include "format/Pomocnicze.h"
#include "import/EImportError.h"
#include "platform/Clock.h"
#include "platform/ShutdownFlag.h"
#include "platform/WebAddresses.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

std::optional<TKursEUR> KursZWpisu(const QJsonValue& wpis) {
    const QJsonValue mid = wpis.toObject().value(QStringLiteral("mid"));
    const QDate dzien = QDate::fromString(
        wpis.toObject().value(QStringLiteral("effectiveDate")).toString(), Qt::ISODate);
    if (!mid.isDouble() || !dzien.isValid() || !TKursEUR::Prawidlowy(mid.toDouble()))
        return std::nullopt;
    return TKursEUR{mid.toDouble(), FromQDate(dzien), TZrodloKursu::NBP};
}

QByteArray CzytajPlik(const QString& sciezka) {
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        return {};
    return plik.readAll();
}

} // namespace

std::optional<TKursEUR> KursZOdpowiedziNBP(const QByteArray& odpowiedz) {
    QJsonParseError blad;
    const QJsonDocument dokument = QJsonDocument::fromJson(odpowiedz, &blad);
    if (blad.error != QJsonParseError::NoError || !dokument.isObject())
        return std::nullopt;
    const QJsonObject tabela = dokument.object();
    const QJsonValue kod = tabela.value(QStringLiteral("code"));
    if (!kod.isUndefined() &&
        kod.toString().compare(QStringLiteral("EUR"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QJsonArray kursy = tabela.value(QStringLiteral("rates")).toArray();
    if (kursy.isEmpty())
        return std::nullopt;
    return KursZWpisu(kursy.last());
}

// The answer goes to a private folder of its own, removed with everything in
// it however the download ends.
std::optional<TKursEUR> PobierzKursNBP(const QString& adres, const std::atomic<bool>* zatrzymaj,
                                       const TLimityPobierania& limity) {
    const QTemporaryDir katalog(KatalogTymczasowy() + QStringLiteral("talvora-XXXXXX"));
    if (!katalog.isValid())
        return std::nullopt;
    const QString sciezka = katalog.filePath(QStringLiteral("kurs.json"));
    try {
        PobierzPlikZInternetu(adres, sciezka, zatrzymaj, limity);
    } catch (const EImportError&) {
        return std::nullopt;
    }
    if ((zatrzymaj && zatrzymaj->load()) || ShutdownFlag::isSet())
        return std::nullopt;
    return KursZOdpowiedziNBP(CzytajPlik(sciezka));
}

std::optional<QString> AdresPobraniaKursuNaDzis() {
    const TDateTime dzis = Today();
    if (!TKursEUR::PobranieNalezne(TUstawieniaLokat::OstatniePobranieKursu(), dzis))
        return std::nullopt;
    const QString adres = WebAddresses::NbpEuroRate();
    if (!JestPolaczenieZInternetem(adres))
        return std::nullopt;
    TUstawieniaLokat::UstawOstatniePobranieKursu(dzis);
    return adres;
}

TKursEUR ZapiszPobranyKurs(const TKursEUR& kurs) {
    if (!TUstawieniaLokat::ZapiszKurs(kurs.kurs, kurs.data))
        return TUstawieniaLokat::KursDoUzycia();
    return {kurs.kurs, kurs.data, TZrodloKursu::NBP};
}

TKursEUR KursEURDoUzycia(const TLimityPobierania& limity) {
    const std::optional<QString> adres = AdresPobraniaKursuNaDzis();
    if (adres)
        if (const std::optional<TKursEUR> pobrany = PobierzKursNBP(*adres, nullptr, limity))
            return ZapiszPobranyKurs(*pobrany);
    return TUstawieniaLokat::KursDoUzycia();
}
