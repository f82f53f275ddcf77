#pragma once
#include <QString>
#include <QStringList>

// Addresses of the pages the windows open or read: the module's help pages
// (files shipped with the program), the partner ranking pages and the
// deposit-rates site of the offer import, and the National Bank of Poland's
// web API that gives the euro rate of the deposit guarantee. The defaults are fixed when the
// project is configured (BuildConfig.h); a test or the host may replace them
// while the process runs.
class WebAddresses {
public:
    // The folders searched for the help pages, in this order: the installed
    // one (share/talvora/pomoc beside the program's bin/ folder), then the
    // source tree's docs/pomoc, for a program run from the build tree. Those
    // set with UstawKatalogiPomocy replace both.
    static QStringList HelpFolders();
    // The file:// address of the help page `strona` ("lokaty.html") in the
    // first of those folders that holds it; empty when none does.
    static QString HelpPage(const QString& strona);
    // The ranking site's host (scheme and host, no trailing slash).
    static QString RankingHost();
    // The ranking of bank deposits: host + "/lokaty_bankowe/".
    static QString DepositRanking();
    // The ranking of savings accounts: host + "/konta_oszczednosciowe/".
    static QString SavingsAccountRanking();

    // The deposit-rates site's base address, ending in "/": the one set with
    // UstawStroneLokat, else the environment variable TALVORA_STRONA_LOKAT when
    // it is set and not empty, else the configured TALVORA_RATES_SITE.
    static QString RatesSite();
    // Whether the site's address was chosen at run time (the setter or the
    // environment variable) rather than configured.
    static bool RatesSiteSetAtRunTime();
    // The site's bank list page: RatesSite() + "lokaty-twojego-banku.php?bank=&waluta=0".
    static QString BankList();
    // The bank list page of a site given by its base address ("/" added when missing).
    static QString BankList(const QString& stronaLokat);

    // The National Bank of Poland's web API, ending in "/": the one set with
    // UstawApiNBP, else the environment variable TALVORA_NBP_API when it is
    // set and not empty, else the configured TALVORA_NBP_API.
    static QString NbpApi();
    // The euro's latest mid rate of table A, as JSON:
    // NbpApi() + "api/exchangerates/rates/a/eur/?format=json".
    static QString NbpEuroRate();

    // Empty: back to the configured folders.
    static void SetHelpFolders(const QStringList& katalogi);
    static void SetRankingHost(const QString& host);
    // Empty: back to the environment variable or the configured site.
    static void SetRatesSite(const QString& adres);
    // Empty: back to the environment variable or the configured address.
    static void SetNbpApi(const QString& adres);
    // Back to the configured addresses.
    static void RestoreDefaults();
};
