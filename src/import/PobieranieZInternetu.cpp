#include "import/PobieranieZInternetu.h"

#include "import/EImportError.h"
#include "import/PrzyczynaBleduPobierania.h"
#include "platform/Platform.h"
#include "platform/ShutdownFlag.h"

#include <QFile>
#include <QUrl>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {

const QString kBladDostepu = QStringLiteral("Error in getting internet access");
const QString kBladAdresu = QStringLiteral("Error in getting URL access");

// The blocks the body is read in; the stop request is looked at after each.
constexpr long kRozmiarBloku = 1460;
// How long the transfer waits for the server at a time before it looks at
// the stop request again.
constexpr int kOdstepSprawdzaniaMs = 50;
constexpr long kMaksPrzekierowan = 10;

struct TUsunUchwyt {
    void operator()(CURL* uchwyt) const { curl_easy_cleanup(uchwyt); }
};
struct TUsunNaglowki {
    void operator()(curl_slist* lista) const { curl_slist_free_all(lista); }
};

// The target file, created when the first byte of the body arrives (or at
// the end for an empty body), so a failed request leaves no file.
class TPlikDocelowy {
public:
    TPlikDocelowy(const QString& sciezka, const std::atomic<bool>* zatrzymaj,
                  const TLimityPobierania& limity)
        : fPlik(sciezka), fZatrzymaj(zatrzymaj), fBezczynnosc(limity.bezczynnosc),
          fMaksRozmiar(limity.rozmiar) {}

    bool Otworz() {
        if (fPlik.isOpen())
            return true;
        if (fPlik.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return true;
        fBlad = QStringLiteral("Nie można utworzyć pliku \"%1\": %2")
                    .arg(fPlik.fileName(), fPlik.errorString());
        return false;
    }

    bool Zapisz(const char* dane, qint64 ile) {
        if (fPlik.size() + ile > fMaksRozmiar) {
            fZaDuzy = true;
            return false;
        }
        if (fPlik.write(dane, ile) == ile)
            return true;
        fBlad = QStringLiteral("Nie można zapisać pliku \"%1\": %2")
                    .arg(fPlik.fileName(), fPlik.errorString());
        return false;
    }

    // Notes the body's progress; true once nothing has come for too long.
    bool Bezczynny(curl_off_t odebrano) {
        const auto teraz = std::chrono::steady_clock::now();
        if (odebrano != fOdebrano) {
            fOdebrano = odebrano;
            fOstatniPostep = teraz;
        }
        fBezczynny = teraz - fOstatniPostep > fBezczynnosc;
        return fBezczynny;
    }

    QString OpisBezczynnosci() const {
        return QStringLiteral("Operation too slow. No data received for %1 ms")
            .arg(fBezczynnosc.count());
    }

    bool ZatrzymanieZadane() {
        if (ShutdownFlag::isSet() || (fZatrzymaj && fZatrzymaj->load()))
            fZatrzymano = true;
        return fZatrzymano;
    }

    // Closes the file; a partly written one goes when the transfer failed.
    void Porzuc() {
        if (fPlik.isOpen()) {
            fPlik.close();
            fPlik.remove();
        }
    }

    void Zamknij() { fPlik.close(); }

    bool Zatrzymano() const { return fZatrzymano; }
    bool ZaDuzy() const { return fZaDuzy; }
    bool PrzekroczonoBezczynnosc() const { return fBezczynny; }
    const QString& Blad() const { return fBlad; }

private:
    QFile fPlik;
    const std::atomic<bool>* fZatrzymaj;
    std::chrono::milliseconds fBezczynnosc;
    qint64 fMaksRozmiar;
    bool fZaDuzy = false;
    curl_off_t fOdebrano = 0;
    std::chrono::steady_clock::time_point fOstatniPostep = std::chrono::steady_clock::now();
    bool fZatrzymano = false;
    bool fBezczynny = false;
    QString fBlad;
};

size_t ZapiszBlok(char* dane, size_t rozmiar, size_t ile, void* cel) {
    auto& plik = *static_cast<TPlikDocelowy*>(cel);
    const size_t bajty = rozmiar * ile;
    if (!plik.Otworz() || !plik.Zapisz(dane, static_cast<qint64>(bajty)))
        return 0;
    return plik.ZatrzymanieZadane() ? 0 : bajty;
}

// Called while the transfer waits as well (about once a second), so a stop
// request or a silent server also ends a transfer that receives nothing.
int SprawdzPostep(void* cel, curl_off_t, curl_off_t odebrano, curl_off_t, curl_off_t) {
    auto& plik = *static_cast<TPlikDocelowy*>(cel);
    return plik.ZatrzymanieZadane() || plik.Bezczynny(odebrano) ? 1 : 0;
}

bool PrzygotujBiblioteke() {
    static std::once_flag raz;
    static CURLcode wynik = CURLE_OK;
    std::call_once(raz, [] { wynik = curl_global_init(CURL_GLOBAL_DEFAULT); });
    return wynik == CURLE_OK;
}

void Ustaw(CURL* uchwyt, const QByteArray& url, curl_slist* naglowki, TPlikDocelowy& plik,
           char* bufor, const TLimityPobierania& limity) {
    static const QByteArray kAgent = kNazwaAplikacji.toUtf8();
    curl_easy_setopt(uchwyt, CURLOPT_URL, url.constData());
    curl_easy_setopt(uchwyt, CURLOPT_USERAGENT, kAgent.constData());
    curl_easy_setopt(uchwyt, CURLOPT_HTTPHEADER, naglowki);
    curl_easy_setopt(uchwyt, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(uchwyt, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(uchwyt, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(uchwyt, CURLOPT_MAXREDIRS, kMaksPrzekierowan);
    // An error status ends the transfer before its body is written.
    curl_easy_setopt(uchwyt, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(uchwyt, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(uchwyt, CURLOPT_BUFFERSIZE, kRozmiarBloku);
    curl_easy_setopt(uchwyt, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limity.polaczenie.count()));
    curl_easy_setopt(uchwyt, CURLOPT_TIMEOUT_MS, static_cast<long>(limity.calosc.count()));
    curl_easy_setopt(uchwyt, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limity.rozmiar));
    curl_easy_setopt(uchwyt, CURLOPT_ERRORBUFFER, bufor);
    curl_easy_setopt(uchwyt, CURLOPT_WRITEFUNCTION, ZapiszBlok);
    curl_easy_setopt(uchwyt, CURLOPT_WRITEDATA, &plik);
    curl_easy_setopt(uchwyt, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(uchwyt, CURLOPT_XFERINFOFUNCTION, SprawdzPostep);
    curl_easy_setopt(uchwyt, CURLOPT_XFERINFODATA, &plik);
}

// Takes the transfer's handle off its multi handle before that goes.
struct TUsunMulti {
    CURL* uchwyt;
    void operator()(CURLM* multi) const {
        curl_multi_remove_handle(multi, uchwyt);
        curl_multi_cleanup(multi);
    }
};

CURLcode WynikTransferu(CURLM* multi) {
    int zostalo = 0;
    while (const CURLMsg* wiadomosc = curl_multi_info_read(multi, &zostalo))
        if (wiadomosc->msg == CURLMSG_DONE)
            return wiadomosc->data.result;
    return CURLE_FAILED_INIT;
}

// Runs the transfer in steps of at most kOdstepSprawdzaniaMs, so a stop
// request ends it within one step even while the server is silent (the
// client's own loop would look only about once a second). A stop gives
// CURLE_ABORTED_BY_CALLBACK.
CURLcode Wykonaj(CURL* uchwyt, TPlikDocelowy& plik) {
    const std::unique_ptr<CURLM, TUsunMulti> multi(curl_multi_init(), TUsunMulti{uchwyt});
    if (!multi || curl_multi_add_handle(multi.get(), uchwyt) != CURLM_OK)
        return curl_easy_perform(uchwyt);
    int trwa = 1;
    while (curl_multi_perform(multi.get(), &trwa) == CURLM_OK && trwa > 0) {
        if (plik.ZatrzymanieZadane())
            return CURLE_ABORTED_BY_CALLBACK;
        curl_multi_poll(multi.get(), nullptr, 0, kOdstepSprawdzaniaMs, nullptr);
    }
    return WynikTransferu(multi.get());
}

// What the client knows about a transfer that has failed.
TBladPobierania OpiszBlad(CURL* uchwyt, CURLcode wynik, const TPlikDocelowy& plik) {
    TBladPobierania blad;
    blad.kod = wynik;
    blad.bezczynnosc = plik.PrzekroczonoBezczynnosc();
    curl_easy_getinfo(uchwyt, CURLINFO_RESPONSE_CODE, &blad.statusHttp);
    curl_easy_getinfo(uchwyt, CURLINFO_OS_ERRNO, &blad.bladSystemu);
    curl_off_t polaczono = 0;
    curl_easy_getinfo(uchwyt, CURLINFO_CONNECT_TIME_T, &polaczono);
    blad.polaczono = polaczono > 0;
    return blad;
}

// One sentence for the user, then the technical line: the contract's text
// followed directly by the client's own message.
[[noreturn]] void ZglosBlad(const QString& url, const QString& przyczyna,
                            const QString& techniczny) {
    throw EImportError(
        QStringLiteral("Nie można pobrać strony %1: %2.\r%3").arg(url, przyczyna, techniczny));
}

[[noreturn]] void ZglosZaDuza(const QString& url, const TLimityPobierania& limity) {
    const qint64 mb = 1024 * 1024;
    const QString limit = limity.rozmiar % mb == 0
                              ? QStringLiteral("%1 MB").arg(limity.rozmiar / mb)
                              : QStringLiteral("%1 B").arg(limity.rozmiar);
    throw EImportError(
        QStringLiteral("Strona %1 jest za duża (ponad %2); pobieranie przerwano.").arg(url, limit));
}

[[noreturn]] void ZglosPoTerminie(const QString& url, const TLimityPobierania& limity) {
    throw EImportError(
        QStringLiteral("Pobieranie strony %1 trwało dłużej niż %2 s i zostało przerwane.")
            .arg(url)
            .arg(limity.calosc.count() / 1000.0));
}

// Raises the error a finished transfer came to, if any (the partial file
// removed first); a stop request is no error.
void SprawdzWynik(CURL* uchwyt, CURLcode wynik, const char* bufor, TPlikDocelowy& plik,
                  const QString& url, const TLimityPobierania& limity) {
    const TBladPobierania blad = OpiszBlad(uchwyt, wynik, plik);
    if (plik.ZaDuzy() || wynik == CURLE_FILESIZE_EXCEEDED) {
        plik.Porzuc();
        ZglosZaDuza(url, limity);
    }
    // A time-out after the connection was made is the overall deadline; one
    // before it is the connection's own.
    if (wynik == CURLE_OPERATION_TIMEDOUT && blad.polaczono) {
        plik.Porzuc();
        ZglosPoTerminie(url, limity);
    }
    if (!plik.Blad().isEmpty()) {
        plik.Porzuc();
        throw EImportError(plik.Blad());
    }
    if (wynik == CURLE_OK || plik.Zatrzymano())
        return;
    plik.Porzuc();
    const QString techniczny =
        kBladAdresu + (blad.bezczynnosc
                           ? plik.OpisBezczynnosci()
                           : QString::fromUtf8(*bufor ? bufor : curl_easy_strerror(wynik)));
    ZglosBlad(url, PrzyczynaBleduPobierania(blad, QUrl(url).host(), limity), techniczny);
}

} // namespace

bool PobierzPlikZInternetu(const QString& url, const QString& sciezka,
                           const std::atomic<bool>* zatrzymaj, const TLimityPobierania& limity) {
    const QString bezPolaczenia =
        QStringLiteral("nie udało się przygotować połączenia z Internetem");
    if (!PrzygotujBiblioteke())
        ZglosBlad(url, bezPolaczenia, kBladDostepu);
    const std::unique_ptr<CURL, TUsunUchwyt> uchwyt(curl_easy_init());
    std::unique_ptr<curl_slist, TUsunNaglowki> naglowki(
        curl_slist_append(nullptr, "Cache-Control: no-cache"));
    if (!uchwyt || !naglowki)
        ZglosBlad(url, bezPolaczenia, kBladDostepu);
    naglowki.reset(curl_slist_append(naglowki.release(), "Pragma: no-cache"));

    TPlikDocelowy plik(sciezka, zatrzymaj, limity);
    char bufor[CURL_ERROR_SIZE] = {};
    const QByteArray adres = url.toUtf8();
    Ustaw(uchwyt.get(), adres, naglowki.get(), plik, bufor, limity);
    const CURLcode wynik = Wykonaj(uchwyt.get(), plik);
    SprawdzWynik(uchwyt.get(), wynik, bufor, plik, url, limity);
    if (!plik.Otworz()) // an empty body, or a stop before the first byte
        throw EImportError(plik.Blad());
    plik.Zamknij();
    return true;
}

bool JestPolaczenieZInternetem(const QString& adres) {
    return Platform::onlineTest().isOnline(adres);
}
