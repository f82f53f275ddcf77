#pragma once
#include "data/TTabele.h"

#include <QString>
#include <QStringList>
#include <array>

// The data file's path and, for every household table, the name it has in
// the file and the Polish caption under which messages and exported file
// names refer to it. Expense and income standing orders share one table, and
// so do their runs; Pusta and PrzychodyIRozchody name no stored table.
class TPlikiDB {
public:
    explicit TPlikiDB(const QString& fileDBPath);

    const QString& DataFile() const { return fDataFile; }

    // Empty for a value that names no stored table.
    QString PobierzNazweTabeli(TTabele tabela) const;
    QString PobierzCaptionTabeli(TTabele tabela) const;
    // The captions of the tables the household uses, in the order of its lists.
    QStringList NazwyUzywanychTabel() const;
    // "<caption>_<yyyy-MM-dd_hh-mm-ss of now>.<extension>" for exporting the
    // table shown; empty for Pusta and HistoriaPrzelewow.
    QString WygenerujNazwePlikuDoExportu(TTabele wyswietlanaTabela,
                                         const QString& rozszerzenie) const;

    const QString& TabNameWydatki() const { return Nazwa(TTabele::Wydatki); }
    const QString& TabNamePrzychody() const { return Nazwa(TTabele::Przychody); }
    const QString& TabNameOszczednosci() const { return Nazwa(TTabele::Oszczednosci); }
    const QString& TabNameOsoby() const { return Nazwa(TTabele::Osoby); }
    const QString& TabNameKategorieWydatkow() const { return Nazwa(TTabele::Kategorie_Wydatki); }
    const QString& TabNameKategoriePrzychodow() const {
        return Nazwa(TTabele::Kategorie_Przychody);
    }
    const QString& TabNameKategorieOszczednosci() const {
        return Nazwa(TTabele::Kategorie_Oszczednosci);
    }
    const QString& TabNameHistoriaPrzelewow() const { return Nazwa(TTabele::HistoriaPrzelewow); }
    const QString& TabNameZleceniaStale() const { return Nazwa(TTabele::ZleceniaStaleWydatki); }
    const QString& TabNameHistoriaZlecenStalych() const {
        return Nazwa(TTabele::HistoriaZlecenStalychWydatki);
    }
    const QString& TabNameCzestotliwosci() const { return fNazwaCzestotliwosci; }
    const QString& TabNameStanOszczednosci() const { return Nazwa(TTabele::StanyOszczednosci); }
    const QString& TabNamePlany() const { return Nazwa(TTabele::Plany); }
    const QString& TabNameOgraniczenia() const { return Nazwa(TTabele::Ograniczenia); }
    const QString& TabNameLokaty() const { return Nazwa(TTabele::Lokaty); }
    const QString& TabNameHarmonogramyLokat() const {
        return Nazwa(TTabele::HarmonogramyLokatBankowych);
    }

private:
    static constexpr size_t kIloscTabel = 19;

    const QString& Nazwa(TTabele tabela) const;
    static size_t Indeks(TTabele tabela) { return static_cast<size_t>(tabela); }

    QString fDataFile;
    std::array<QString, kIloscTabel> fNazwy;
    std::array<QString, kIloscTabel> fCaptions;
    QString fNazwaCzestotliwosci;
};
