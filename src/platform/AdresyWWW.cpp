#include "platform/AdresyWWW.h"

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

void AdresyWWW::UstawPomoc(const QString& adres) {
    gPomoc() = adres;
}

void AdresyWWW::UstawHostRankingu(const QString& host) {
    gHostRankingu() = host;
}

void AdresyWWW::PrzywrocDomyslne() {
    gPomoc() = QStringLiteral(TALVORA_HELP_URL);
    gHostRankingu() = QStringLiteral(TALVORA_RANKING_HOST);
}
