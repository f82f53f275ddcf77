#include "data/TZapisTabeli.h"

void TZapisTabeli::DodajPolecenie(const QString& polecenie) {
    if (!polecenie.isEmpty())
        fPolecenia << polecenie;
}

void TZapisTabeli::DodajPolecenieZmieniajaceKwoty(const QString& polecenie) {
    if (polecenie.isEmpty())
        return;
    fPolecenia << polecenie;
    fAktualizujStanOszczednosci = true;
}

void TZapisTabeli::Odmow(const QString& linia) {
    if (fRaport.isEmpty())
        fRaport << QStringLiteral("Przebieg zapisu dokonanych zmian w tabeli ") + fCaption;
    if (!fRaport.contains(linia))
        fRaport << linia;
}
