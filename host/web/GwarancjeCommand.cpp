#include "tools/CommandLineOptions.h"
#include "tools/DepositArguments.h"
#include "tools/HostTools.h"
#include "tools/JsonWriter.h"
#include "tools/ReadOnlyDataFile.h"
#include "tools/TextTable.h"
#include "tools/ToolRun.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TUstawieniaLokat.h"
#include "domain/TGwarancjeBFG.h"
#include "format/Formatowanie.h"
#include "import/KursNBP.h"
#include "platform/Clock.h"

namespace {

const QString kDb = QStringLiteral("--db");
const QString kEuroRate = QStringLiteral("--kurs-eur");
const QString kJson = QStringLiteral("--json");

// A rate typed by the user ("4,2630" or "4.2630"), within 1 … 20.
std::optional<double> GivenRate(const QString& text) {
    double rate = 0;
    if (!ReadNumber(text, rate) || !TKursEUR::Prawidlowy(rate))
        return std::nullopt;
    return rate;
}

// The only place where this tool reaches the web: the rate of today's
// download when one is due and succeeds, else the stored or the built-in one.
TKursEUR DownloadedOrStoredRate() {
    return KursEURDoUzycia();
}

TKursEUR Rate(const CommandLineOptions& options) {
    if (const std::optional<double> given = GivenRate(options.value(kEuroRate)))
        return {*given, Today(), TZrodloKursu::Podany};
    return DownloadedOrStoredRate();
}

QStringList Header() {
    return {QStringLiteral("Bank"),  QStringLiteral("Lokaty"),
            QStringLiteral("Kwota"), QStringLiteral("Szacowany zysk"),
            QStringLiteral("Razem"), QStringLiteral("Ponad gwarancję")};
}

QStringList Row(const TSumaBanku& s, const QString& excess) {
    return {s.bank,
            QString::number(s.liczbaLokat),
            FormatMoney(s.kwota),
            FormatMoney(s.szacowanyZysk),
            FormatMoney(s.Razem()),
            excess};
}

void WriteTable(QTextStream& out, const TGwarancjeBFG& g) {
    out << QStringLiteral("Gwarancja BFG w jednym banku: ") << g.OpisLimitu() << u'\n';
    if (g.Banki().empty() && !g.BezBanku()) {
        out << QStringLiteral("Brak aktywnych lokat.\n");
        return;
    }
    out << u'\n';
    std::vector<QStringList> rows{Header()};
    for (const TSumaBanku& s : g.Banki())
        rows.push_back(Row(s, FormatMoney(g.Nadwyzka(s))));
    // Deposits of no bank are never compared with the limit.
    if (g.BezBanku())
        rows.push_back(Row(*g.BezBanku(), QStringLiteral("—")));
    WriteTextTable(out, rows, FirstColumnLeft(rows.front().size()));
    const QStringList warnings = g.Ostrzezenia();
    if (!warnings.isEmpty())
        out << u'\n' << warnings.join(u'\n') << u'\n';
}

void WriteSum(JsonWriter& json, const TSumaBanku& s) {
    json.key(u"LiczbaLokat")
        .integer(s.liczbaLokat)
        .key(u"Kwota")
        .money(s.kwota)
        .key(u"SzacowanyZysk")
        .money(s.szacowanyZysk)
        .key(u"Razem")
        .money(s.Razem());
}

void WriteJson(QTextStream& out, const TGwarancjeBFG& g) {
    JsonWriter json;
    json.beginObject().key(u"KursEUR").number(g.Kurs().kurs).key(u"DataKursu");
    if (g.Kurs().zrodlo == TZrodloKursu::Podany)
        json.null();
    else
        json.string(g.Kurs().DataISO());
    json.key(u"ZrodloKursu")
        .string(g.Kurs().NazwaZrodla())
        .key(u"Limit")
        .money(g.Limit())
        .key(u"Banki")
        .beginArray();
    for (const TSumaBanku& s : g.Banki()) {
        json.beginObject().key(u"Bank").string(s.bank);
        WriteSum(json, s);
        json.key(u"Limit").money(g.Limit()).key(u"Nadwyzka").money(g.Nadwyzka(s)).endObject();
    }
    json.endArray().key(u"BezPrzypisanegoBanku");
    if (g.BezBanku()) {
        json.beginObject();
        WriteSum(json, *g.BezBanku());
        json.endObject();
    } else {
        json.null();
    }
    json.endObject();
    out << json.text() << u'\n';
}

int Run(const ToolCall& call) {
    ReadOnlyDataFile file(call.options.value(kDb));
    TKolekcjeDanych& collections = file.Project().Kolekcje();
    const TGwarancjeBFG guarantees(collections.Lokaty(), collections.HarmonogramyLokatBankowych(),
                                   TUstawieniaLokat::PolaczoneBanki(), Rate(call.options));
    return WriteResult(call, guarantees, {WriteJson, WriteTable});
}

QString Check(const CommandLineOptions& options) {
    if (options.has(kEuroRate) && !GivenRate(options.value(kEuroRate)))
        return QStringLiteral("Nie można odczytać kursu EUR: \"%1\" (oczekiwano liczby od 1 do "
                              "20, np. 4,2630).")
            .arg(options.value(kEuroRate));
    return {};
}

QString Help() {
    return QStringLiteral(
        "Użycie: talvora gwarancje --db PLIK [--kurs-eur KURS] [--json]\n"
        "\n"
        "Ile pieniędzy z lokat jest w każdym banku wobec gwarancji Bankowego Funduszu\n"
        "Gwarancyjnego: do równowartości 100 000 EUR na osobę w jednym banku. Dla każdego\n"
        "banku (nazwa banku oferty, bez względu na wielkość liter; banki połączone w oknie\n"
        "jako marki jednego banku liczą się razem) suma kwot aktywnych lokat i ich\n"
        "szacowanego zysku (jak na liście lokat), od największej, z nadwyżką ponad limit.\n"
        "Lokaty bez lokaty bankowej nie należą do żadnego banku: są osobno jako \"bez\n"
        "przypisanego banku\". Limit w złotych liczony jest po średnim kursie EUR NBP\n"
        "(tabela A), pobieranym najwyżej raz dziennie, gdy jest połączenie z Internetem;\n"
        "bez niego używa zapisanego kursu, a gdy go brak, kursu wbudowanego w program.\n"
        "Plik danych tylko odczytuje; nie zakłada nowego.\n"
        "\n"
        "  --db PLIK        plik danych (nie jest zmieniany)\n"
        "  --kurs-eur KURS  kurs EUR do przeliczenia limitu, np. 4,2630 (od 1 do 20);\n"
        "                   wtedy nic nie jest pobierane\n"
        "  --json           obiekt JSON: KursEUR, DataKursu (RRRR-MM-DD, null dla kursu\n"
        "                   podanego), ZrodloKursu (\"NBP\", \"zapisany\", \"wbudowany\",\n"
        "                   \"podany\"), Limit, Banki (tablica obiektów Bank, LiczbaLokat,\n"
        "                   Kwota, SzacowanyZysk, Razem, Limit, Nadwyzka - 0, gdy nie ma\n"
        "                   nadwyżki - od największej sumy Razem) i BezPrzypisanegoBanku\n"
        "                   (LiczbaLokat, Kwota, SzacowanyZysk, Razem; null, gdy takich\n"
        "                   lokat nie ma); kwoty zaokrąglone do grosza\n"
        "  --help           ten opis\n"
        "\n"
        "Adres API NBP można zmienić zmienną środowiska TALVORA_NBP_API. Błędne\n"
        "argumenty: komunikat na stderr i kod wyjścia 2; plik, którego nie ma lub nie\n"
        "można otworzyć: komunikat na stderr i kod wyjścia 1.\n");
}

} // namespace

Tool GwarancjeTool() {
    return {QStringLiteral("gwarancje"),
            QStringLiteral("lokaty w każdym banku wobec gwarancji BFG (--help: argumenty)"),
            Help(),
            {kDb, kEuroRate},
            {kJson},
            0,
            true,
            Check,
            Run};
}
