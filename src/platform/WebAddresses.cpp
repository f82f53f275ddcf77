#include "platform/WebAddresses.h"

#include "platform/BuildConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// Set by UstawKatalogiPomocy; empty when not set.
QStringList& gKatalogiPomocy() {
    static QStringList katalogi;
    return katalogi;
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

// Set by UstawApiNBP; empty when not set.
QString& gApiNBP() {
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

QStringList WebAddresses::HelpFolders() {
    if (!gKatalogiPomocy().isEmpty())
        return gKatalogiPomocy();
    QStringList katalogi;
    // The program's folder is known once the application object exists.
    if (QCoreApplication::instance())
        katalogi.append(QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                        QStringLiteral(TALVORA_HELP_DIR_FROM_BIN)));
    katalogi.append(QStringLiteral(TALVORA_HELP_SOURCE_DIR));
    return katalogi;
}

QString WebAddresses::HelpPage(const QString& strona) {
    for (const QString& katalog : HelpFolders()) {
        const QFileInfo plik(QDir(katalog), strona);
        if (plik.isFile())
            return QUrl::fromLocalFile(plik.absoluteFilePath()).toString(QUrl::FullyEncoded);
    }
    return {};
}

QString WebAddresses::RankingHost() {
    return BezKoncowegoUkosnika(gHostRankingu());
}

QString WebAddresses::DepositRanking() {
    return RankingHost() + QStringLiteral("/lokaty_bankowe/");
}

QString WebAddresses::SavingsAccountRanking() {
    return RankingHost() + QStringLiteral("/konta_oszczednosciowe/");
}

QString WebAddresses::RatesSite() {
    const QString wybrana = StronaLokatZCzasuDzialania();
    return ZUkosnikiemNaKoncu(wybrana.isEmpty() ? QStringLiteral(TALVORA_RATES_SITE) : wybrana);
}

bool WebAddresses::RatesSiteSetAtRunTime() {
    return !StronaLokatZCzasuDzialania().isEmpty();
}

QString WebAddresses::BankList() {
    return BankList(RatesSite());
}

QString WebAddresses::BankList(const QString& stronaLokat) {
    return ZUkosnikiemNaKoncu(stronaLokat) +
           QStringLiteral("lokaty-twojego-banku.php?bank=&waluta=0");
}

QString WebAddresses::NbpApi() {
    QString adres = gApiNBP();
    if (adres.isEmpty())
        adres = qEnvironmentVariable("TALVORA_NBP_API");
    return ZUkosnikiemNaKoncu(adres.isEmpty() ? QStringLiteral(TALVORA_NBP_API) : adres);
}

QString WebAddresses::NbpEuroRate() {
    return NbpApi() + QStringLiteral("api/exchangerates/rates/a/eur/?format=json");
}

void WebAddresses::SetNbpApi(const QString& adres) {
    gApiNBP() = adres;
}

void WebAddresses::SetRatesSite(const QString& adres) {
    gStronaLokat() = adres;
}

void WebAddresses::SetHelpFolders(const QStringList& katalogi) {
    gKatalogiPomocy() = katalogi;
}

void WebAddresses::SetRankingHost(const QString& host) {
    gHostRankingu() = host;
}

void WebAddresses::RestoreDefaults() {
    gKatalogiPomocy().clear();
    gHostRankingu() = QStringLiteral(TALVORA_RANKING_HOST);
    gStronaLokat().clear();
    gApiNBP().clear();
}
