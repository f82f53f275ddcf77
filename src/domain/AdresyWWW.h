#pragma once
#include <QString>

// Addresses of the web pages the windows open or read: the module's help page,
// the partner ranking pages and the deposit-rates site of the offer import.
// The defaults are fixed when the project is configured (BuildConfig.h); a
// test or the host may replace them while the process runs.
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

    // The deposit-rates site's base address, ending in "/": the one set with
    // UstawStroneLokat, else the environment variable TALVORA_STRONA_LOKAT when
    // it is set and not empty, else the configured TALVORA_RATES_SITE.
    static QString StronaLokat();
    // Whether the site's address was chosen at run time (the setter or the
    // environment variable) rather than configured.
    static bool StronaLokatUstawionaWCzasieDzialania();
    // The site's bank list page: StronaLokat() + "lokaty-twojego-banku.php?bank=&waluta=0".
    static QString ListaBankow();
    // The bank list page of a site given by its base address ("/" added when missing).
    static QString ListaBankow(const QString& stronaLokat);

    static void UstawPomoc(const QString& adres);
    static void UstawHostRankingu(const QString& host);
    // Empty: back to the environment variable or the configured site.
    static void UstawStroneLokat(const QString& adres);
    // Back to the configured addresses.
    static void PrzywrocDomyslne();
};
