#include "tools/CommandLineOptions.h"
#include "tools/HostTools.h"
#include "tools/JsonWriter.h"
#include "tools/TextTable.h"
#include "tools/ToolRun.h"

#include "import/EImportError.h"
#include "import/ListaBankow.h"
#include "platform/WebAddresses.h"

namespace {

const QString kSite = QStringLiteral("--strona");
const QString kJson = QStringLiteral("--json");

// The banks of the site's list with their names in the bank choice's order.
struct BankList {
    TMapaBankow banks;
    QStringList names;
};

void WriteTable(QTextStream& out, const BankList& list) {
    std::vector<QStringList> rows{{QStringLiteral("Nazwa banku"), QStringLiteral("Adres URL")}};
    for (const QString& name : list.names)
        rows.push_back({name, list.banks.value(name)});
    WriteTextTable(out, rows, {});
}

void WriteJson(QTextStream& out, const BankList& list) {
    JsonWriter json;
    json.beginArray();
    for (const QString& name : list.names)
        json.beginObject()
            .key(u"Nazwa")
            .string(name)
            .key(u"Adres")
            .string(list.banks.value(name))
            .endObject();
    json.endArray();
    out << json.text() << u'\n';
}

QString CheckSite(const CommandLineOptions& options) {
    if (options.has(kSite) && options.value(kSite).isEmpty())
        return QStringLiteral("Podaj adres serwisu: --strona ADRES.");
    return {};
}

int Run(const ToolCall& call) {
    QString site = call.options.has(kSite) ? call.options.value(kSite) : WebAddresses::RatesSite();
    if (!site.endsWith(u'/'))
        site += u'/';
    BankList list;
    list.banks = PobierzListeBankow(WebAddresses::BankList(site), site);
    list.names = PosortowaneNazwyBankow(list.banks);
    return WriteResult(call, list, {WriteJson, WriteTable});
}

QString Help() {
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

} // namespace

Tool BankiTool() {
    return {QStringLiteral("banki"),
            QStringLiteral("banki z serwisu z oprocentowaniem lokat (--help: argumenty)"),
            Help(),
            {kSite},
            {kJson},
            0,
            false,
            CheckSite,
            Run};
}
