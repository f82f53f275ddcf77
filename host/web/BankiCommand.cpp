#include "tools/HostTools.h"

#include "tools/CommandLineOptions.h"
#include "tools/JsonWriter.h"
#include "tools/TextTable.h"

#include "import/EImportError.h"
#include "import/ListaBankow.h"
#include "platform/WebAddresses.h"

namespace {

const QString kStrona = QStringLiteral("--strona");
const QString kJson = QStringLiteral("--json");

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

static QString SprawdzStrone(const CommandLineOptions& opcje) {
    if (opcje.has(kStrona) && opcje.value(kStrona).isEmpty())
        return QStringLiteral("Podaj adres serwisu: --strona ADRES.");
    return {};
}

static int Run(const ToolCall& call) {
    QTextStream& out = call.out;
    const CommandLineOptions& opcje = call.options;
    QString strona = opcje.has(kStrona) ? opcje.value(kStrona) : WebAddresses::RatesSite();
    if (!strona.endsWith(u'/'))
        strona += u'/';
    const TMapaBankow banki = PobierzListeBankow(WebAddresses::BankList(strona), strona);
    const QStringList nazwy = PosortowaneNazwyBankow(banki);
    if (call.json())
        PiszJson(out, banki, nazwy);
    else
        PiszTabele(out, banki, nazwy);
    return 0;
}

static QString Pomoc() {
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

Tool BankiTool() {
    return {QStringLiteral("banki"),
            QStringLiteral("banki z serwisu z oprocentowaniem lokat (--help: argumenty)"),
            Pomoc(),
            {kStrona},
            {kJson},
            0,
            false,
            SprawdzStrone,
            Run};
}
