#include "tools/NewRecords.h"

#include "app/BledyPolecen.h"
#include "data/EDataError.h"
#include "data/TProjektDB.h"

void SaveNewRecords(TProjektDB& project, std::initializer_list<TTabele> tables) {
    for (const TTabele table : tables) {
        const TWynikZapisu result = project.ZapiszZawartoscKolekcjiDoBazy(table);
        PokazBledyPolecen(result.Polecenia);
        PokazBledyPolecen(project.WezBledyPolecen());
        if (!result.Zapisano() || !result.Raport.isEmpty())
            throw EDataError(QStringLiteral("Nie udało się zapisać tabeli \"%1\" nowego pliku "
                                            "danych.\r%2")
                                 .arg(project.PlikiDB().PobierzCaptionTabeli(table),
                                      result.Raport.isEmpty() ? result.Polecenia.Blad
                                                              : result.Raport.join(u'\r')));
        project.OdswiezZawartoscKolekcji(table);
    }
}
