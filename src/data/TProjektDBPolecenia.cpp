#include "data/TProjektDB.h"
#include "data/TekstBledu.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteTransaction.h"

#include <utility>

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

void TProjektDB::ZachowajBlad(const TWynikPolecenSQL& wynik) {
    if (wynik.Stan == TWynikPolecenSQL::TStan::Blad)
        fBledyPolecen.append(wynik);
}

QList<TWynikPolecenSQL> TProjektDB::WezBledyPolecen() {
    return std::exchange(fBledyPolecen, {});
}
