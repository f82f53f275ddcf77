#pragma once
// Fetching a web page into a local file, and whether the machine is online.
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <chrono>

// The name the downloads introduce themselves with (the user agent).
inline const QString kNazwaAplikacji = QStringLiteral("Talvora");

// How long a download may wait. A server that accepts no connection within
// `polaczenie`, or sends nothing for `bezczynnosc` (neither the response nor
// a byte of the body), ends the download with the URL-access error instead
// of hanging the import.
// A download that has not ended after `calosc` (a server sending one byte a
// second, say) is cut off, and so is a body larger than `rozmiar` bytes (an
// endless page would fill the disk, a huge one exhaust the HTML parser);
// both failures remove the partial file.
struct TLimityPobierania {
    std::chrono::milliseconds polaczenie{15000};
    std::chrono::milliseconds bezczynnosc{30000};
    std::chrono::milliseconds calosc{120000};
    qint64 rozmiar = 16 * 1024 * 1024;
};

// Downloads `url` (http or https; redirects followed, at most 10; the system's
// proxy variables honoured; no cached copy) and writes the response body
// unchanged into the file at `sciezka`. Returns true when the body has been
// written.
//
// Errors (EImportError) leave no file (a transfer cut off midway removes its
// partial file). A failed transfer, an HTTP error status (400 and above: an
// error page is not a page) included, says "Nie można pobrać strony <url>:
// <the cause in Polish>." and on the next line ("\r") the technical text:
// "Error in getting internet access" or "Error in getting URL access"
// followed directly by the HTTP client's own message. A page over the size
// cap or past the overall deadline, and a file that cannot be created or
// written, have messages of their own naming the page or the file.
//
// The application's shutting-down flag (ShutdownFlag) and `zatrzymaj`, when
// given, end the transfer after the current block, or within a twentieth of
// a second while the server sends nothing: the partial file (empty when
// nothing had come yet) is kept and the function returns true.
// May run on any thread.
bool PobierzPlikZInternetu(const QString& url, const QString& sciezka,
                           const std::atomic<bool>* zatrzymaj = nullptr,
                           const TLimityPobierania& limity = {});

// Whether the system reports a connection out (Platform::onlineTest()); with
// an address, whether that address can be reached (an address on this machine
// always can).
bool JestPolaczenieZInternetem(const QString& adres = {});
