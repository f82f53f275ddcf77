#pragma once
// The offer file: the signature "TPF0", then a list with one entry per offer
// (a list of the class name and the offer's record, Write/ReadFromStream of
// THarmonogramLokatyBankowej). Writing takes every offer of the list in
// order, deleted ones included; reading gives new offers (id -1, Dodano).
//
// Every function works on its own data only and may run on any thread.
#include "domain/THarmonogramLokatyBankowej.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <vector>

using TListaOfert = std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>;

// The file's bytes for these offers.
QByteArray ZapiszOfertyDoBajtow(const TListaOfert& oferty);

// Writes the file for these offers to `sciezka`. The bytes go to a temporary
// file in the same folder, which replaces the target only once it is written
// and closed; on any failure the target stays as it was, no temporary file is
// left, and EPlikOfert names the path and the reason.
void EksportujOfertyDoPliku(const TListaOfert& oferty, const QString& sciezka);

// The offers of a file's bytes, in file order. An entry may hold several
// records after its class name. Fails with EPlikOfert: "Invalid stream
// format", "Invalid property value" or "Stream read error".
TListaOfert OdczytajOfertyZBajtow(QByteArrayView bajty);

// As OdczytajOfertyZBajtow for the file at `sciezka`; a file that cannot be
// opened or read fails with EPlikOfert naming the path and the reason. A file
// the reader refuses says first, in one sentence naming the path, that it is
// not an offer file (no signature) or is damaged or cut short; the reader's
// message follows on the next line ("\r").
TListaOfert OdczytajOfertyZPliku(const QString& sciezka);
