#include "app/Komunikaty.h"
#include "data/TProjektDB.h"
#include "data/TekstBledu.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteTransaction.h"

TWynikPolecenSQL TProjektDB::WykonajPoleceniaWTransakcji(const QStringList& polecenia,
                                                         bool wyczyscParametry) {
    TWynikPolecenSQL wynik;
    if (fBaza->IsTransactionOpen()) {
        wynik.Stan = TWynikPolecenSQL::TStan::Pominieto;
    } else {
        try {
            TSQLiteTransaction transakcja(*fBaza);
            for (const QString& polecenie : polecenia)
                fBaza->ExecSQL(polecenie);
            transakcja.Commit();
        } catch (const std::exception& blad) {
            const auto* sqlite = dynamic_cast<const ESQLiteException*>(&blad);
            wynik = {TWynikPolecenSQL::TStan::Blad, TekstBledu(blad),
                     sqlite ? sqlite->ExtendedCode() : 0};
            PokazBlad(wynik.Blad);
        }
    }
    if (wyczyscParametry)
        fBaza->ParamsClear();
    return wynik;
}

TWynikPolecenSQL TProjektDB::WykonajPolecenieSQL(const QString& polecenie, bool wyczyscParametry) {
    return WykonajPoleceniaWTransakcji(QStringList{polecenie}, wyczyscParametry);
}

TWynikPolecenSQL TProjektDB::WykonajWpisanePoleceniaSQL(const QStringList& listaPolecen) {
    return WykonajPoleceniaWTransakcji(listaPolecen, true);
}
