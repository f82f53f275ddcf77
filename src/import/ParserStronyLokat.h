#pragma once
// The parser of a bank's offer page on the deposit-rates site: the rows of
// the tables with the id "lokaty" become new offers, each with the details
// of the box in the page's hidden section that its last cell points to.
// Savings accounts are left out. A page that does not have the expected
// shape stops with an EImportError naming what is missing; offers handed
// over before the error stay with the receiver.
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TJednostkaOkresu.h"
#include "domain/TKapitalizacja.h"
#include "import/TSekcjaSzczegolow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

using TOferta = std::unique_ptr<THarmonogramLokatyBankowej>;
using TListaOfert = std::vector<TOferta>;

// Takes each offer as soon as its row is read (the offer becomes its).
using TOdbiorcaOfert = std::function<void(TOferta)>;
// Called after every offer row, also a row that gave no offer (the window
// fits its columns to the contents there).
using TPoWierszu = std::function<void()>;

// Parses the page saved at `sciezka`; a missing or unreadable file gives no
// offers and no error.
void ParsujStroneZLokatami(const QString& sciezka, const QString& bank,
                           const TOdbiorcaOfert& odbiorca, const TPoWierszu& poWierszu = {});

// The same for the page's bytes already in memory.
void ParsujTrescStrony(const QByteArray& tresc, const QString& bank, const TOdbiorcaOfert& odbiorca,
                       const TPoWierszu& poWierszu = {});

// One offer row: its inner markup (cells written <td>...</td>) gives none
// (blank markup, a savings account) or one offer filed under `bank`.
TListaOfert ParsujWierszTabeli(const QString& wiersz, const QString& bank,
                               const TSekcjaSzczegolow& sekcja);

// False when the cell names a savings account.
bool JestLokata(const QString& tekst);
uint32_t PobierzOkresDepozytu(const QString& tekst);
TJednostkaOkresu PobierzJednostkeDepozytu(const QString& tekst);
// The rate and the capitalisation from the lower-cased rate cell.
double PobierzOprocentowanie(const QString& tekst);
TKapitalizacja PobierzKapitalizacje(const QString& tekst);
// False for a variable rate ("zmienne").
bool PobierzOprocentowanieStale(const QString& tekst);
// The id of the detail box that the cell's TagToTip call names; empty when
// there is no such call or it does not end with ');"'.
QString PobierzIdPodpowiedzi(const QString& tekst);
// The lines of the detail box the cell points to; empty without one.
QStringList PobierzSzczegolyLokaty(const QString& komorka, const TSekcjaSzczegolow& sekcja);
