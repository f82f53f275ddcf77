#pragma once
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// One column of a saving statement and the SQL text of its value.
struct TKolumnaZapisu {
    const char* nazwa;
    QString wartosc;
};
using TKolumnyZapisu = std::vector<TKolumnaZapisu>;

// Assembles the UPDATE, INSERT and DELETE statements of the savers from the
// table name, the columns with their rendered values and the row's condition.
class TPolecenieZapisu {
public:
    // UPDATE "tabela" SET "a"=1<separator>"b"=2 WHERE <warunek>;
    static QString Update(const QString& tabela, const TKolumnyZapisu& kolumny,
                          QStringView separator, const QString& warunek);
    // INSERT INTO "tabela" ("a", "b"<koniecKolumn> VALUES(1,2);
    static QString Insert(const QString& tabela, const TKolumnyZapisu& kolumny,
                          QStringView koniecKolumn = u")");
    // DELETE FROM "tabela" WHERE <warunek>;
    static QString Delete(const QString& tabela, const QString& warunek);

    // "Id"=5
    static QString WarunekId(int32_t id);
    // "Id"="5", as persons and savings categories write it.
    static QString WarunekIdWCudzyslowie(int32_t id);
};
