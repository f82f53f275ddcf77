#pragma once
#include <QIcon>
#include <QPixmap>

// The pictures of the deposits windows, drawn in code (no image files): row
// images of the lists, glyphs of the side buttons and tab images.
class TIkonyLokat {
public:
    static QIcon Lokata();          // a stack of coins: deposit rows, the deposits tab
    static QIcon Bank();            // a bank building: offer rows, the offers tab
    static QIcon BankNieaktualny(); // the building with a clock: an offer with old data
    static QIcon Kalendarz();       // a calendar page: the calendar tab
    static QIcon Dodaj();
    static QIcon Edytuj();
    static QIcon Usun();
    static QIcon Zakoncz();
    static QIcon Rozpocznij();
    static QIcon NowaJakTa();
    static QIcon Internet();
    static QIcon Importuj();
    static QIcon Eksportuj();
};
