#include "BankiCommand.h"

#include "CommandLineOptions.h"
#include "JsonWriter.h"
#include "TextTable.h"

#include "domain/AdresyWWW.h"
#include "import/EImportError.h"
#include "import/ListaBankow.h"

namespace {

const QString kStrona = QStringLiteral("--strona");
const QString kJson = QStringLiteral("--json");
const QString kHelp = QStringLiteral("--help");

void PiszTabele(QTextStream& out, const TMapaBankow& banki, const QStringList& nazwy) {
    std::vector<QStringList> wiersze{{QStringLiteral("Nazwa banku"), QStringLiteral("Adres URL")}};
    for (const QString& nazwa : nazwy)
        wiersze.push_back({nazwa, banki.value(nazwa)});
    WriteTextTable(out, wiersze, {});
}

void PiszJson(QTextStream& out, const TMapaBankow& banki, const QStringList& nazwy) {
    JsonWriter json;
    json.beginArray();
    for (const QString& nazwa : nazwy)
        json.beginObject()
            .key(u"Nazwa")
            .string(nazwa)
            .key(u"Adres")
            .string(banki.value(nazwa))
            .endObject();
    json.endArray();
    out << json.text() << u'\n';
}

} // namespace

QString BankiCommand::name() const {
    return QStringLiteral("banki");
}

QString BankiCommand::summary() const {
    return QStringLiteral("banki z serwisu z oprocentowaniem lokat (--help: argumenty)");
}

int BankiCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.contains(kHelp)) {
        out << Pomoc();
        return 0;
    }
    CommandLineOptions opcje({kStrona}, {kJson});
    QString blad;
    if (opcje.parse(arguments, blad) && opcje.has(kStrona) && opcje.value(kStrona).isEmpty())
        blad = QStringLiteral("Podaj adres serwisu: --strona ADRES.");
    if (!blad.isEmpty())
        return CommandLineOptions::reportError(err, name(), blad);
    QString strona = opcje.has(kStrona) ? opcje.value(kStrona) : AdresyWWW::StronaLokat();
    if (!strona.endsWith(u'/'))
        strona += u'/';
    try {
        const TMapaBankow banki = PobierzListeBankow(AdresyWWW::ListaBankow(strona), strona);
        const QStringList nazwy = PosortowaneNazwyBankow(banki);
        if (opcje.has(kJson))
            PiszJson(out, banki, nazwy);
        else
            PiszTabele(out, banki, nazwy);
    } catch (const EImportError& e) {
        err << e.Message() << u'\n';
        return 1;
    }
    return 0;
}

QString BankiCommand::Pomoc() {
    return QStringLiteral(
        "Użycie: talvora banki [--strona ADRES] [--json]\n"
        "\n"
        "Pobiera listę banków z serwisu z oprocentowaniem lokat (strona\n"
        "ADRES + \"lokaty-twojego-banku.php?bank=&waluta=0\") i wypisuje każdy bank z\n"
        "adresem strony jego lokat, w kolejności okna wyboru banków.\n"
        "\n"
        "  --strona ADRES  adres serwisu, np. http://127.0.0.1:8080/ (domyślnie zmienna\n"
        "                  środowiska TALVORA_STRONA_LOKAT albo adres z konfiguracji)\n"
        "  --json          tablica obiektów JSON z kluczami Nazwa i Adres\n"
        "  --help          ten opis\n"
        "\n"
        "Błąd pobierania: komunikat na stderr i kod wyjścia 1. Błędne argumenty:\n"
        "komunikat na stderr i kod wyjścia 2.\n");
}
