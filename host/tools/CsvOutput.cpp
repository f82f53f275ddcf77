#include "tools/CsvOutput.h"

#include "tools/ConsoleText.h"

#include "format/TPlikCSV.h"

void WriteCsv(QTextStream& out, TTabelaListy table) {
    for (QString& column : table.kolumny)
        column = ConsoleField(column);
    for (TTabelaListy::TWiersz& row : table.wiersze) {
        row.grupa = ConsoleField(row.grupa);
        for (QString& cell : row.komorki)
            cell = ConsoleField(cell);
    }
    out << TPlikCSV::Tekst(table);
}
