#pragma once
#include <QString>
#include <memory>

class TProjektDB;

// Opens, for a tool that only reads it, a data file that must already exist:
// a path that names no file raises EDataError and nothing is created, neither
// the file nor its folders. Only `talvora baza` and the window create files.
std::unique_ptr<TProjektDB> OtworzPlikDanychDoOdczytu(const QString& sciezka);
