#include "domain/AdresyWWW.h"

#include "platform/BuildConfig.h"

namespace {

QString& gPomoc() {
    static QString adres = QStringLiteral(TALVORA_HELP_URL);
    return adres;
}

QString& gHostRankingu() {
    static QString host = QStringLiteral(TALVORA_RANKING_HOST);
    return host;
}

// Set by UstawStroneLokat; empty when not set.
QString& gStronaLokat() {
    static QString adres;
    return adres;
}

QString ZUkosnikiemNaKoncu(const QString& adres) {
    return adres.endsWith(QLatin1Char('/')) ? adres : adres + QLatin1Char('/');
}

QString StronaLokatZCzasuDzialania() {
    if (!gStronaLokat().isEmpty())
        return gStronaLokat();
    return qEnvironmentVariable("TALVORA_STRONA_LOKAT");
}

QString BezKoncowegoUkosnika(QString tekst) {
    while (tekst.endsWith(QLatin1Char('/')))
        tekst.chop(1);
    return tekst;
}

} // namespace

QString AdresyWWW::Pomoc() {
    return gPomoc();
}

QString AdresyWWW::HostRankingu() {
    return BezKoncowegoUkosnika(gHostRankingu());
}

QString AdresyWWW::RankingLokatBankowych() {
    return HostRankingu() + QStringLiteral("/lokaty_bankowe/");
}

QString AdresyWWW::RankingKontOszczednosciowych() {
    return HostRankingu() + QStringLiteral("/konta_oszczednosciowe/");
}

QString AdresyWWW::StronaLokat() {
    const QString wybrana = StronaLokatZCzasuDzialania();
    return ZUkosnikiemNaKoncu(wybrana.isEmpty() ? QStringLiteral(TALVORA_RATES_SITE) : wybrana);
}

bool AdresyWWW::StronaLokatUstawionaWCzasieDzialania() {
    return !StronaLokatZCzasuDzialania().isEmpty();
}

QString AdresyWWW::ListaBankow() {
    return ListaBankow(StronaLokat());
}

QString AdresyWWW::ListaBankow(const QString& stronaLokat) {
    return ZUkosnikiemNaKoncu(stronaLokat) +
           QStringLiteral("lokaty-twojego-banku.php?bank=&waluta=0");
}

void AdresyWWW::UstawStroneLokat(const QString& adres) {
    gStronaLokat() = adres;
}

void AdresyWWW::UstawPomoc(const QString& adres) {
    gPomoc() = adres;
}

void AdresyWWW::UstawHostRankingu(const QString& host) {
    gHostRankingu() = host;
}

void AdresyWWW::PrzywrocDomyslne() {
    gPomoc() = QStringLiteral(TALVORA_HELP_URL);
    gHostRankingu() = QStringLiteral(TALVORA_RANKING_HOST);
    gStronaLokat().clear();
}
