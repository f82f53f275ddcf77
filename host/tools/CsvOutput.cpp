#include "tools/CsvOutput.h"

#include "tools/ConsoleText.h"

#include "format/TPlikCSV.h"

void WriteCsv(QTextStream& out, TTabelaListy tabela) {
    for (QString& kolumna : tabela.kolumny)
        kolumna = ConsoleField(kolumna);
    for (TTabelaListy::TWiersz& wiersz : tabela.wiersze) {
        wiersz.grupa = ConsoleField(wiersz.grupa);
        for (QString& komorka : wiersz.komorki)
            komorka = ConsoleField(komorka);
    }
    out << TPlikCSV::Tekst(tabela);
}
