#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// The layout of the household data file: the statements that create its
// tables, indexes, lookup rows and views, and the checks that bring files of
// older layouts up to date.
class TSchematBazy {
public:
    // A column added to files that lack it: the probe "SELECT <kolumna> FROM
    // <tabela>" fails there and the statement is run.
    struct TUzupelnienie {
        QString tabela;
        QString kolumna;
        QString polecenie;
    };
    // A column that only an old layout of the table has.
    struct TStaryUklad {
        QString tabela;
        QString kolumna;
    };

    // The tables and indexes in creation order, each batch run on its own; the
    // batch after the frequencies table rewrites its rows.
    static std::vector<QStringList> WsadyTworzeniaTabel();
    static QStringList WierszeCzestotliwosci();
    // The statement that creates one table of the current layout; empty for
    // a name that is not one of them.
    static QString PolecenieTworzeniaTabeli(const QString& tabela);
    static QStringList PoleceniaTworzeniaWidokow();
    static std::vector<TUzupelnienie> Uzupelnienia();
    static std::vector<TStaryUklad> StareUklady();

    // What a file of the current layout holds, for checks and diagnostics.
    static QStringList NazwyTabel();
    static QStringList NazwyIndeksow();
    static QStringList NazwyWidokow();
};
