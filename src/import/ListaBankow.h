#pragma once
// The deposit-rates site's list of banks.
#include <QMap>
#include <QString>
#include <QStringList>
#include <atomic>

// Bank name (exact, letter case included) to the absolute link of the bank's
// offer page.
using TMapaBankow = QMap<QString, QString>;

// Downloads the bank list page at `url` into "banki.html" in the temporary
// directory, reads the links of its tables with the id "banki" (every `a`
// with a non-empty href, in document order; its text is the bank's name,
// a later link replacing an earlier one of the same name) and makes each
// link absolute: `adresStrony` (the site's base address, ending in "/")
// followed by the href without any "about:". The file is deleted whatever
// happens. A page without such a table, or that cannot be read, gives an
// empty map; download errors (EImportError) leave this function.
// `zatrzymaj`, when given and set, ends the download at once (see
// PobierzPlikZInternetu) and gives an empty map: a page cut short is not read.
TMapaBankow PobierzListeBankow(const QString& url, const QString& adresStrony,
                               const std::atomic<bool>* zatrzymaj = nullptr);

// The same for a saved page's bytes.
TMapaBankow CzytajListeBankow(const QByteArray& tresc, const QString& adresStrony);

// The names in the order the bank choice shows them: without regard to
// letter case in the Polish order; names that differ only in case by the
// case-sensitive order (lower case first).
QStringList PosortowaneNazwyBankow(const TMapaBankow& banki);
