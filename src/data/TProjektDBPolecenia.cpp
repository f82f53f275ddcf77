#include "data/ESQLiteException.h"
#include "data/TProjektDB.h"
#include "data/TSQLiteDatabase.h"
#include "platform/Komunikaty.h"

namespace {

QString TekstBledu(const std::exception& blad) {
    if (const auto* sqlite = dynamic_cast<const ESQLiteException*>(&blad))
        return sqlite->Message();
    return QString::fromUtf8(blad.what());
}

// Undoes what a failed batch did, so that it changes nothing and the next
// batch finds no transaction left open.
void Wycofaj(TSQLiteDatabase& baza) {
    if (!baza.IsTransactionOpen())
        return;
    try {
        baza.Rollback();
    } catch (const ESQLiteException&) {
        // Nothing more can be done here; the error box tells of the failure.
    }
}

} // namespace

TWynikPolecenSQL TProjektDB::WykonajPoleceniaWTransakcji(QStringList polecenia,
                                                         bool wyczyscParametry) {
    TWynikPolecenSQL wynik;
    if (fBaza->IsTransactionOpen()) {
        wynik.Stan = TWynikPolecenSQL::TStan::Pominieto;
    } else {
        try {
            fBaza->BeginTransaction();
            for (const QString& polecenie : polecenia)
                fBaza->ExecSQL(polecenie);
            fBaza->Commit();
        } catch (const std::exception& blad) {
            wynik = {TWynikPolecenSQL::TStan::Blad, TekstBledu(blad)};
            Wycofaj(*fBaza);
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

TWynikPolecenSQL TProjektDB::WykonajWpisanePoleceniaSQL(QStringList listaPolecen) {
    return WykonajPoleceniaWTransakcji(std::move(listaPolecen), true);
}
