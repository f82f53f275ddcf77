#pragma once
#include <QString>

// Addresses of the web pages the windows open: the module's help page and the
// partner ranking pages. The defaults are fixed when the project is configured
// (BuildConfig.h); a test or the host may replace them while the process runs.
class AdresyWWW {
public:
    // The help page of the deposits module.
    static QString Pomoc();
    // The ranking site's host (scheme and host, no trailing slash).
    static QString HostRankingu();
    // The ranking of bank deposits: host + "/lokaty_bankowe/".
    static QString RankingLokatBankowych();
    // The ranking of savings accounts: host + "/konta_oszczednosciowe/".
    static QString RankingKontOszczednosciowych();

    static void UstawPomoc(const QString& adres);
    static void UstawHostRankingu(const QString& host);
    // Back to the configured addresses.
    static void PrzywrocDomyslne();
};
