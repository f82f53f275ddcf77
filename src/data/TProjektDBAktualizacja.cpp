// Bringing data files of older layouts up to the current one.
#include "data/EDataError.h"
#include "data/TOdczytWiersza.h"
#include "data/TProjektDB.h"
#include "data/TSchematBazy.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteTransaction.h"
#include "data/sqlite/TSQLiteUniTable.h"
#include "domain/TJednostkaOkresu.h"

#include <sqlite3.h>

#include <vector>

namespace {

struct TKolumna {
    QString nazwa;
    // NOT NULL without a default and not the key: a copy must fill it.
    bool wymagana = false;
};

QString WCudzyslowie(const QString& nazwa) {
    return QLatin1Char('"') + QString(nazwa).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

std::vector<TKolumna> KolumnyTabeli(TSQLiteDatabase& baza, const QString& tabela) {
    std::vector<TKolumna> kolumny;
    const auto info =
        baza.GetUniTable(QStringLiteral("PRAGMA table_info(") + WCudzyslowie(tabela) + ")");
    for (; !info->Eof(); info->Next()) {
        const bool notNull = info->FieldAsInteger(3) != 0;
        const bool bezDomyslnej = info->FieldIsNull(4);
        const bool klucz = info->FieldAsInteger(5) != 0;
        kolumny.push_back({info->FieldAsString(1), notNull && bezDomyslnej && !klucz});
    }
    return kolumny;
}

const TKolumna* Znajdz(const std::vector<TKolumna>& kolumny, const QString& nazwa) {
    for (const TKolumna& k : kolumny)
        if (k.nazwa.compare(nazwa, Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}

// Keeps ALTER TABLE ... RENAME from rewriting the references that other
// tables make to the renamed table: they must go on naming the current one.
class TZmianaNazwyBezPrzepisywania {
public:
    explicit TZmianaNazwyBezPrzepisywania(TSQLiteDatabase& baza) : fBaza(baza) {
        fBaza.ExecSQL(QStringLiteral("PRAGMA legacy_alter_table = ON;"));
    }
    ~TZmianaNazwyBezPrzepisywania() {
        try {
            fBaza.ExecSQL(QStringLiteral("PRAGMA legacy_alter_table = OFF;"));
        } catch (const ESQLiteException&) {
            // The setting lives only as long as the connection.
        }
    }
    TZmianaNazwyBezPrzepisywania(const TZmianaNazwyBezPrzepisywania&) = delete;
    TZmianaNazwyBezPrzepisywania& operator=(const TZmianaNazwyBezPrzepisywania&) = delete;

private:
    TSQLiteDatabase& fBaza;
};

} // namespace

// What the upgrade will do is found first: a file of an old layout is backed
// up before its first change, and a backup that fails stops the start-up
// with the file untouched.
void TProjektDB::AktualizujUklad() {
    QStringList stare;
    for (const TSchematBazy::TStaryUklad& stary : TSchematBazy::StareUklady())
        if (KolumnaIstnieje(stary.tabela, stary.kolumna))
            stare << stary.tabela;
    QStringList uzupelnienia = BrakujaceKolumny();
    if (stare.isEmpty() && uzupelnienia.isEmpty())
        return;
    if (!fKopiaPrzedZmiana)
        UtworzKopieZapasowa();
    for (const QString& tabela : stare)
        PrzeniesStaryUklad(tabela);
    // A table moved out of its old layout is created again whole.
    if (!stare.isEmpty())
        uzupelnienia = BrakujaceKolumny();
    for (const QString& polecenie : uzupelnienia)
        fBaza->ExecSQL(polecenie);
}

// The columns added to a table since its first layout are probed together,
// in one pass over the table; only a table that lacks one of them is probed
// column by column, to tell which.
QStringList TProjektDB::BrakujaceKolumny() {
    const std::vector<TSchematBazy::TUzupelnienie> uzupelnienia = TSchematBazy::Uzupelnienia();
    QStringList sprawdzone;
    QStringList pelne;
    QStringList polecenia;
    for (const TSchematBazy::TUzupelnienie& u : uzupelnienia) {
        if (!sprawdzone.contains(u.tabela)) {
            sprawdzone << u.tabela;
            QStringList kolumny;
            for (const TSchematBazy::TUzupelnienie& v : uzupelnienia)
                if (v.tabela == u.tabela)
                    kolumny << v.kolumna;
            if (kolumny.size() > 1 && KolumnyIstnieja(u.tabela, kolumny))
                pelne << u.tabela;
        }
        if (!pelne.contains(u.tabela) && !KolumnaIstnieje(u.tabela, u.kolumna))
            polecenia << u.polecenie;
    }
    return polecenia;
}

// The probe reads the column through the whole table (row by row, nothing
// kept), so a damaged table
// ends the start-up here with SQLite's message. Only a probe that SQLite
// could not compile and whose column the table's layout really lacks
// answers "missing"; any other failure is raised.
bool TProjektDB::KolumnaIstnieje(const QString& tabela, const QString& kolumna) {
    try {
        return KolumnyIstnieja(tabela, {kolumna});
    } catch (const ESQLiteException& blad) {
        if (blad.Code() != SQLITE_ERROR || KolumnaWUkladzie(tabela, kolumna))
            throw;
        return false;
    }
}

// The same pass over several columns at once, reading what the probes of
// each would read. True when it runs through; false when SQLite cannot
// compile it for several columns (one of them is missing); SQLite's error
// otherwise (a damaged table, or the one column missing).
bool TProjektDB::KolumnyIstnieja(const QString& tabela, const QStringList& kolumny) {
    try {
        TOdczytWiersza sonda(*fBaza,
                             QStringLiteral("SELECT ") + kolumny.join(QStringLiteral(", ")) +
                                 QStringLiteral(" FROM ") + tabela,
                             tabela);
        while (sonda.Nastepny()) {
        }
        return true;
    } catch (const ESQLiteException& blad) {
        if (kolumny.size() > 1 && blad.Code() == SQLITE_ERROR)
            return false;
        throw;
    }
}

// A table of an old layout that cannot be upgraded in place keeps all its
// rows under a new name; the table is created again in the current layout
// and receives the rows' values that map onto it. Views are dropped so that
// the start-up creates them again over the current tables.
void TProjektDB::PrzeniesStaryUklad(const QString& tabela) {
    const QString stara = WolnaNazwaDlaStaregoUkladu(tabela);
    const TZmianaNazwyBezPrzepisywania bezPrzepisywania(*fBaza);
    try {
        TSQLiteTransaction transakcja(*fBaza);
        for (const QString& widok : TSchematBazy::NazwyWidokow())
            fBaza->ExecSQL(QStringLiteral("DROP VIEW IF EXISTS ") + WCudzyslowie(widok) + ";");
        fBaza->ExecSQL(QStringLiteral("ALTER TABLE ") + WCudzyslowie(tabela) +
                       QStringLiteral(" RENAME TO ") + WCudzyslowie(stara) + ";");
        fBaza->ExecSQL(TSchematBazy::PolecenieTworzeniaTabeli(tabela));
        const QString kopia = PolecenieKopiowaniaWierszy(tabela, stara);
        if (!kopia.isEmpty())
            fBaza->ExecSQL(kopia);
        transakcja.Commit();
    } catch (const ESQLiteException& e) {
        throw EDataError(QStringLiteral("Nie udało się przenieść tabeli \"") + tabela +
                         QStringLiteral("\" w starym układzie do tabeli \"") + stara +
                         QStringLiteral("\" i utworzyć jej w obecnym układzie.\r") + e.Message());
    }
}

QString TProjektDB::WolnaNazwaDlaStaregoUkladu(const QString& tabela) {
    const QString podstawa = tabela + QStringLiteral("_stary_uklad");
    QString nazwa = podstawa;
    for (int numer = 2;; ++numer) {
        const QString wTekscie = QString(nazwa).replace(QLatin1Char('\''), QStringLiteral("''"));
        if (fBaza->GetTableValue(
                QStringLiteral("SELECT count(*) FROM sqlite_master WHERE lower(name) = lower('") +
                wTekscie + QStringLiteral("')")) == 0)
            return nazwa;
        nazwa = podstawa + QLatin1Char('_') + QString::number(numer);
    }
}

// Columns of the same name are copied. An old deposits table counted its
// term in months only. Rows are copied only when every required column of the
// current layout gets a value; a row that still breaks a constraint stays
// only in the renamed table.
QString TProjektDB::PolecenieKopiowaniaWierszy(const QString& tabela, const QString& zrodlo) {
    const std::vector<TKolumna> nowe = KolumnyTabeli(*fBaza, tabela);
    const std::vector<TKolumna> stare = KolumnyTabeli(*fBaza, zrodlo);
    QStringList cele, wartosci;
    for (const TKolumna& kolumna : nowe) {
        if (const TKolumna* stara = Znajdz(stare, kolumna.nazwa)) {
            cele << kolumna.nazwa;
            wartosci << WCudzyslowie(stara->nazwa);
        }
    }
    const TKolumna* miesiace = Znajdz(stare, QStringLiteral("IloscMiesiecy"));
    if (tabela == QLatin1String("Lokaty") && miesiace && !cele.contains("OkresLokaty")) {
        cele << QStringLiteral("OkresLokaty") << QStringLiteral("JednostkaLokaty");
        wartosci << WCudzyslowie(miesiace->nazwa)
                 << QString::number(static_cast<int>(TJednostkaOkresu::Miesiac));
    }
    for (const TKolumna& kolumna : nowe)
        if (kolumna.wymagana && !cele.contains(kolumna.nazwa))
            return {};
    if (cele.isEmpty())
        return {};
    for (QString& cel : cele)
        cel = WCudzyslowie(cel);
    return QStringLiteral("INSERT OR IGNORE INTO ") + WCudzyslowie(tabela) + QStringLiteral(" (") +
           cele.join(QStringLiteral(", ")) + QStringLiteral(") SELECT ") +
           wartosci.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + WCudzyslowie(zrodlo) +
           QLatin1Char(';');
}
