#pragma once
#include <QString>
#include <QStringList>

// The messages with which the start-up of the database project refuses a
// data file. Each names the file; `przyczyna` is SQLite's own line, which
// follows the message after a line break.

// The file cannot be written: the text is chosen by SQLite's (primary or
// extended) result code: read-only file or folder, full disk, damaged file
// or not a database, file locked by another program.
QString KomunikatBrakuZapisu(int kodSQLite, const QString& plik, const QString& przyczyna);

// The file is damaged or is no database at all; names the newest backup.
QString KomunikatUszkodzonegoPliku(const QString& plik, const QString& przyczyna);
bool KodUszkodzonegoPliku(int kodSQLite);
// Why a save failed, in a few words, by SQLite's result code.
QString PrzyczynaBleduZapisu(int kodSQLite);

// The file holds the tables of another program, which stay untouched.
QString KomunikatObcegoPliku(const QString& plik, const QStringList& tabele);
