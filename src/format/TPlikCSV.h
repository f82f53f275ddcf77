#pragma once
#include "format/TFormatSettings.h"
#include "format/TTabelaListy.h"

#include <QByteArray>
#include <QString>

// A list as a CSV file for spreadsheets: RFC 4180 with the separator and the
// decimal sign Polish spreadsheets expect. UTF-8 with a byte order mark (so
// they read Polish letters), ";" between fields, every line ended with CRLF,
// a field quoted when it holds a ";", a quote or a line break (quotes inside
// doubled). The first line holds the column captions; each row follows as the
// list shows it, in a list with groups led by its group's heading (the column
// "Grupa"). An amount shown in złoty ("-1 234,56 zł") is written as a plain
// number with a decimal comma ("-1234,56"), so spreadsheets read it as a
// number; every other text goes as shown.
class TPlikCSV {
public:
    static const QString kKolumnaGrupy;

    static QString Tekst(const TTabelaListy& tabela);
    // The file's bytes: the text in UTF-8, the byte order mark first.
    static QByteArray Bajty(const TTabelaListy& tabela);

    // One field, quoted when it has to be.
    static QString Pole(const QString& tekst);
    // A cell as it goes to the file: an amount as FormatMoney writes it with
    // `fs` becomes a plain number, any other text stays as it is.
    static QString Wartosc(const QString& komorka, const TFormatSettings& fs = FormatyProcesu());

    // Writes the file as ZapiszCalyPlik does: complete or not at all. An
    // empty text on success, else the message.
    static QString Zapisz(const QString& sciezka, const TTabelaListy& tabela);
};
