#include "data/TPlikiDB.h"

#include "format/Formatowanie.h"
#include "platform/Clock.h"

namespace {

struct TNazwaICaption {
    TTabele tabela;
    const char* nazwa;
    const char* caption;
};

// Pusta and PrzychodyIRozchody are left out: they keep empty texts.
const TNazwaICaption kTabele[] = {
    {TTabele::Wydatki, "Wydatki", "Wydatki"},
    {TTabele::Przychody, "Przychody", "Przychody"},
    {TTabele::Oszczednosci, "Oszczednosci", "Oszczędności"},
    {TTabele::Osoby, "Osoby", "Osoby"},
    {TTabele::Kategorie_Wydatki, "KategorieWydatkow", "Kategorie wydatków"},
    {TTabele::Kategorie_Przychody, "KategoriePrzychodow", "Kategorie przychodów"},
    {TTabele::Kategorie_Oszczednosci, "KategorieOszczednosci", "Kategorie oszczędności"},
    {TTabele::HistoriaPrzelewow, "HistoriaPrzelewow", "Historia przelewów oszczędności"},
    {TTabele::ZleceniaStaleWydatki, "ZleceniaStale", "Zlecenia stałe - wydatki"},
    {TTabele::ZleceniaStalePrzychody, "ZleceniaStale", "Zlecenia stałe - przychody"},
    {TTabele::HistoriaZlecenStalychWydatki, "HistoriaZlecenStalych",
     "Historia zleceń stałych - wydatki"},
    {TTabele::HistoriaZlecenStalychPrzychody, "HistoriaZlecenStalych",
     "Historia zleceń stałych - przychody"},
    {TTabele::StanyOszczednosci, "StanOszczednosci", "Stany oszczędności"},
    {TTabele::Plany, "Plany", "Plany"},
    {TTabele::Ograniczenia, "Ograniczenia", "Ograniczenia"},
    {TTabele::Lokaty, "Lokaty", "Lokaty"},
    {TTabele::HarmonogramyLokatBankowych, "HarmonogramyLokat", "Lokaty bankowe"},
};

// The order in which the household's lists show their tables.
const TTabele kUzywaneTabele[] = {
    TTabele::Wydatki,
    TTabele::Przychody,
    TTabele::Oszczednosci,
    TTabele::HistoriaPrzelewow,
    TTabele::StanyOszczednosci,
    TTabele::Kategorie_Wydatki,
    TTabele::Kategorie_Przychody,
    TTabele::Kategorie_Oszczednosci,
    TTabele::Osoby,
    TTabele::ZleceniaStaleWydatki,
    TTabele::ZleceniaStalePrzychody,
    TTabele::HistoriaZlecenStalychWydatki,
    TTabele::HistoriaZlecenStalychPrzychody,
    TTabele::Plany,
    TTabele::Ograniczenia,
    TTabele::Lokaty,
    TTabele::HarmonogramyLokatBankowych,
};

} // namespace

TPlikiDB::TPlikiDB(const QString& fileDBPath)
    : fDataFile(fileDBPath), fNazwaCzestotliwosci(QStringLiteral("Czestotliwosci")) {
    for (const TNazwaICaption& t : kTabele) {
        fNazwy[Indeks(t.tabela)] = QString::fromUtf8(t.nazwa);
        fCaptions[Indeks(t.tabela)] = QString::fromUtf8(t.caption);
    }
}

const QString& TPlikiDB::Nazwa(TTabele tabela) const {
    return fNazwy[Indeks(tabela)];
}

QString TPlikiDB::PobierzNazweTabeli(TTabele tabela) const {
    return Indeks(tabela) < kIloscTabel ? fNazwy[Indeks(tabela)] : QString();
}

QString TPlikiDB::PobierzCaptionTabeli(TTabele tabela) const {
    return Indeks(tabela) < kIloscTabel ? fCaptions[Indeks(tabela)] : QString();
}

QStringList TPlikiDB::NazwyUzywanychTabel() const {
    QStringList captions;
    for (TTabele tabela : kUzywaneTabele)
        captions << PobierzCaptionTabeli(tabela);
    return captions;
}

QString TPlikiDB::WygenerujNazwePlikuDoExportu(TTabele wyswietlanaTabela,
                                               const QString& rozszerzenie) const {
    QString caption;
    switch (wyswietlanaTabela) {
    case TTabele::Pusta:
    case TTabele::HistoriaPrzelewow:
        return {};
    case TTabele::PrzychodyIRozchody:
        caption = QStringLiteral("Przychody i rozchody");
        break;
    case TTabele::HistoriaZlecenStalychWydatki:
        caption = PobierzCaptionTabeli(TTabele::ZleceniaStaleWydatki);
        break;
    case TTabele::HistoriaZlecenStalychPrzychody:
        caption = PobierzCaptionTabeli(TTabele::ZleceniaStalePrzychody);
        break;
    default:
        caption = PobierzCaptionTabeli(wyswietlanaTabela);
    }
    const QString moment = FormatDateTime(QStringLiteral("yyyy'-'MM'-'dd'_'hh'-'mm'-'ss"), Now());
    return caption + QLatin1Char('_') + moment + QLatin1Char('.') + rozszerzenie;
}
