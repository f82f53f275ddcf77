#pragma once
// Why a download failed, in words the user reads.
#include "import/PobieranieZInternetu.h"

#include <QString>

// What the HTTP client reported about a failed transfer.
struct TBladPobierania {
    // The client's result code (CURLcode).
    int kod = 0;
    // The status of the last response; 0 when none came.
    long statusHttp = 0;
    // The system's error number of the failed connection (errno), or 0.
    long bladSystemu = 0;
    // Whether a connection to the server was made.
    bool polaczono = false;
    // Whether the transfer was ended because no data came for too long.
    bool bezczynnosc = false;
};

// The cause in Polish, without a capital or a full stop, so it follows
// "Nie można pobrać strony <adres>: ": a refused connection, a host name not
// found, a time-out (with the limit), a failed secure (TLS) connection, an
// HTTP error status (with its number), and a few rarer ones; anything else
// gets a general cause. `host` is the server's name in the address.
QString PrzyczynaBleduPobierania(const TBladPobierania& blad, const QString& host,
                                 const TLimityPobierania& limity);
