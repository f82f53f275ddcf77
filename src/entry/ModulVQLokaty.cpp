#include "entry/ModulVQLokaty.h"

#include "app/Komunikaty.h"
#include "data/TekstBledu.h"
#include "entry/TPokazanieModulu.h"
#include "entry/ZmienneModulu.h"
#include "ui/QtPlatformServices.h"

#include <QApplication>
#include <QThread>
#include <QWidget>
#include <string>
#include <utility>

namespace {

const char* const kBrakPolaczenia =
    "Nie można uruchomić modułu - nie udało się nawiązać połączenia z bazą danych !!!\rUpewnij "
    "się że program znajduje się w lokalizacji, w której zapis jest możliwy lub że masz "
    "wystarczająco dużo miejsca na dysku do utworzenia bazy.";

const char* const kBrakAplikacji =
    "Nie można uruchomić modułu - program nie utworzył obiektu aplikacji okienkowej "
    "(QApplication), więc okna modułu nie mogą zostać pokazane.";

const char* const kObcyWatek = "Nie można uruchomić modułu - wywołano go spoza wątku okien "
                               "programu, a okna modułu działają tylko w tym wątku.";

std::string gOstatniBlad;

// Tells the user and keeps the text for LastErrorVQ. Showing the box must
// not throw across the border either.
void ZglosBlad(const QString& tekst) {
    gOstatniBlad = tekst.toStdString();
    try {
        PokazBlad(tekst);
    } catch (...) {
        // The text stays for the host.
    }
}

// Why the module's windows cannot be created here; empty when they can.
QString BrakWarunkowOkien() {
    auto* aplikacja = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!aplikacja)
        return QString::fromUtf8(kBrakAplikacji);
    if (QThread::currentThread() != aplikacja->thread())
        return QString::fromUtf8(kObcyWatek);
    return {};
}

// The host's window when the handle names a widget that still lives; a stale
// or foreign handle gives no owner rather than a dangling one.
QWidget* OknoGospodarza() {
    if (!HostAppHandle)
        return nullptr;
    for (QWidget* okno : QApplication::allWidgets())
        if (okno == HostAppHandle)
            return okno;
    return nullptr;
}

void PokazModul(TProjektDB* projekt, const QString& plikOfert) {
    QtPlatformServices uslugi;
    QWidget* wlasciciel = OknoGospodarza();
    uslugi.install(wlasciciel);
    if (!projekt) {
        ZglosBlad(QString::fromUtf8(kBrakPolaczenia));
        return;
    }
    try {
        TPokazanieModulu(*projekt, wlasciciel, plikOfert).Wykonaj();
    } catch (const std::exception& blad) {
        ZglosBlad(TekstBledu(blad));
    } catch (...) {
        ZglosBlad(QStringLiteral("Nieznany błąd modułu lokat."));
    }
}

} // namespace

void SetApplicationVariables(void* hostAppHandle, TProjektDB* hostProjektDB) {
    HostAppHandle = hostAppHandle;
    HostProjektDB = hostProjektDB;
}

void SetOfferFileVQ(const char* sciezkaUtf8) {
    try {
        PlikOfertDoOdczytu = sciezkaUtf8 ? QString::fromUtf8(sciezkaUtf8) : QString();
    } catch (...) {
        PlikOfertDoOdczytu.clear();
    }
}

void ShowFormVQ() {
    gOstatniBlad.clear();
    TProjektDB* projekt = std::exchange(HostProjektDB, nullptr);
    try {
        const QString plikOfert = std::exchange(PlikOfertDoOdczytu, QString());
        const QString brak = BrakWarunkowOkien();
        if (brak.isEmpty())
            PokazModul(projekt, plikOfert);
        else
            ZglosBlad(brak);
    } catch (...) {
        if (gOstatniBlad.empty())
            gOstatniBlad = "Nieznany błąd modułu lokat.";
    }
}

const char* LastErrorVQ() {
    return gOstatniBlad.c_str();
}
