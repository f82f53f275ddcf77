#include "import/PrzyczynaBleduPobierania.h"

#include <cerrno>
#include <curl/curl.h>

namespace {

// A limit as the user reads it: whole seconds, else milliseconds.
QString Czas(std::chrono::milliseconds czas) {
    return czas.count() % 1000 == 0 ? QStringLiteral("%1 s").arg(czas.count() / 1000)
                                    : QStringLiteral("%1 ms").arg(czas.count());
}

bool BladTLS(int kod) {
    switch (kod) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CLIENTCERT:
    case CURLE_USE_SSL_FAILED:
        return true;
    default:
        return false;
    }
}

QString PrzyczynaStatusu(long status) {
    if (status == 404 || status == 410)
        return QStringLiteral("serwer nie ma takiej strony (błąd HTTP %1)").arg(status);
    return QStringLiteral("serwer odpowiedział błędem HTTP %1").arg(status);
}

QString PrzyczynaPolaczenia(const TBladPobierania& blad) {
    return blad.bladSystemu == ECONNREFUSED ? QStringLiteral("serwer odrzucił połączenie")
                                            : QStringLiteral("nie udało się połączyć z serwerem");
}

// The causes the code alone tells.
QString PrzyczynaZKodu(int kod, const QString& host) {
    switch (kod) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("nie znaleziono serwera o nazwie %1").arg(host);
    case CURLE_COULDNT_RESOLVE_PROXY:
        return QStringLiteral("nie znaleziono serwera pośredniczącego (proxy)");
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("certyfikat serwera jest nieprawidłowy lub niezaufany");
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QStringLiteral("adres nie jest adresem strony internetowej (http lub https)");
    case CURLE_URL_MALFORMAT:
        return QStringLiteral("adres strony jest nieprawidłowy");
    case CURLE_TOO_MANY_REDIRECTS:
        return QStringLiteral("strona przekierowuje bez końca");
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
        return QStringLiteral("połączenie z serwerem zostało przerwane");
    default:
        return BladTLS(kod) ? QStringLiteral("nie udało się nawiązać bezpiecznego połączenia (TLS)")
                            : QStringLiteral("połączenie z serwerem nie powiodło się");
    }
}

} // namespace

QString PrzyczynaBleduPobierania(const TBladPobierania& blad, const QString& host,
                                 const TLimityPobierania& limity) {
    if (blad.bezczynnosc)
        return QStringLiteral("serwer nie przysłał żadnych danych przez %1")
            .arg(Czas(limity.bezczynnosc));
    if (blad.kod == CURLE_OPERATION_TIMEDOUT && !blad.polaczono)
        return QStringLiteral("serwer nie odpowiedział na próbę połączenia w ciągu %1")
            .arg(Czas(limity.polaczenie));
    if (blad.kod == CURLE_HTTP_RETURNED_ERROR)
        return PrzyczynaStatusu(blad.statusHttp);
    if (blad.kod == CURLE_COULDNT_CONNECT)
        return PrzyczynaPolaczenia(blad);
    return PrzyczynaZKodu(blad.kod, host);
}
