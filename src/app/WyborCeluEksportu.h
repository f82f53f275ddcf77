#pragma once
#include <QString>

// Asks for the file an export goes to. A choice that would write over the
// open data file or another database is refused with a message and the
// chooser opens again, so the user can pick another; empty when cancelled.
QString WybierzCelEksportu(const QString& tytul, const QString& filtr, const QString& nazwa,
                           const QString& plikDanych);
