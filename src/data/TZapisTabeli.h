#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>

// What saving one list of the collections builds before anything runs: the
// statements of its batch, the report of the records left out and whether
// the recorded total of savings must be brought up to date afterwards.
class TZapisTabeli {
public:
    // `caption`: the table's caption, named in the report's header.
    explicit TZapisTabeli(const QString& caption) : fCaption(caption) {}

    // Adds a statement; an empty one is not added.
    void DodajPolecenie(const QString& polecenie);
    // Adds a statement that changes amounts of money: the total of savings
    // is recorded again after the batch.
    void DodajPolecenieZmieniajaceKwoty(const QString& polecenie);
    // Reports a record or a table left out: the header first (once), then the
    // line. A line already in the report is not repeated.
    void Odmow(const QString& linia);
    // Notes a category or person written with an INSERT: its id in the
    // collections and its name.
    void ZapamietajWstawiony(int32_t id, const QString& nazwa) { fWstawione[id] = nazwa; }

    const QString& Caption() const { return fCaption; }
    const QStringList& Polecenia() const { return fPolecenia; }
    const QStringList& Raport() const { return fRaport; }
    bool AktualizujStanOszczednosci() const { return fAktualizujStanOszczednosci; }
    const std::map<int32_t, QString>& Wstawione() const { return fWstawione; }

private:
    QString fCaption;
    QStringList fPolecenia;
    QStringList fRaport;
    bool fAktualizujStanOszczednosci = false;
    std::map<int32_t, QString> fWstawione;
};
