#include "platform/BuildConfig.h"
#include "tools/HostTools.h"
#include "tools/WebToolsLibrary.h"
#include "tools/WindowLibrary.h"
#include "tools/WindowOptions.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage =
    "Użycie: talvora [--db PLIK] [--demo] [PLIK]\n"
    "       talvora POLECENIE [--help]\n"
    "Bez polecenia otwiera okno lokat na pliku danych (domyślnie\n"
    "~/.local/share/Talvora/DataFile.dat, zakładanym przy pierwszym uruchomieniu).\n"
    "PLIK to plik danych (otwierany jak z --db) albo plik lokat bankowych (.vq_lb),\n"
    "który okno od razu odczytuje do importu ofert.\n";

// The window's options, listed in one column with the tools.
struct UsageOption {
    const char* name;
    const char* text;
};
const UsageOption kOptions[] = {
    {"--db PLIK", "inny plik danych"},
    {"--demo", "przykładowe lokaty i oferty banków w osobnym pliku"},
    {"", "(domyślnie ~/.local/share/Talvora/DemoDataFile.dat)"},
    {"-h, --help", "ta pomoc"},
    {"--version", "wersja programu"},
};

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool IsHostCommand(const QStringList& arguments) {
    return !arguments.isEmpty() && FindHostTool(arguments.first());
}

void PrintUsage(QTextStream& stream) {
    qsizetype width = 0;
    for (const UsageOption& option : kOptions)
        width = std::max(width, QString::fromUtf8(option.name).size());
    for (const Tool& tool : HostTools())
        width = std::max(width, tool.name.size());
    const auto line = [&](const QString& name, const QString& text) {
        stream << "  " << name.leftJustified(width) << "  " << text << "\n";
    };
    stream << kUsage;
    for (const UsageOption& option : kOptions)
        line(QString::fromUtf8(option.name), QString::fromUtf8(option.text));
    stream << "Polecenia:\n";
    for (const Tool& tool : HostTools())
        line(tool.name, tool.summary);
    stream.flush();
}

// Output that could not be written (a full disk, a closed pipe) is a
// failure, never a silent success.
int CheckOutputWritten(int code, QTextStream& out, QTextStream& err) {
    out.flush();
    const bool failed =
        out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (!failed)
        return code;
    err << "Nie można zapisać wyniku na standardowe wyjście: " << std::strerror(errno) << "\n";
    return 1;
}

// The command-line tools need no windows: a core application serves them. The
// window program and the tools that need the web are libraries of their own,
// loaded only when they are used (WindowLibrary, WebToolsLibrary).
int RunCommand(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = RunHostCommand(app.arguments().mid(1), out, err);
    return CheckOutputWritten(code, out, err);
}

} // namespace

int main(int argc, char* argv[]) {
    const QStringList arguments = ArgumentsOf(argc, argv);
    if (IsHostCommand(arguments))
        return RunCommand(argc, argv);
    QTextStream err(stderr);
    WindowOptions options;
    QString error;
    if (!ParseWindowOptions(arguments, options, error)) {
        err << error << "\n";
        // A tool's name that is not found when the web tools cannot be loaded.
        if (!WebToolsLibrary::LoadError().isEmpty())
            err << WebToolsLibrary::LoadError() << "\n";
        err << "Opis argumentów: talvora --help\n";
        return 2;
    }
    QTextStream out(stdout);
    if (options.help) {
        PrintUsage(out);
        // The list lacks the web tools when their library cannot be loaded.
        if (!WebToolsLibrary::LoadError().isEmpty())
            err << WebToolsLibrary::LoadError() << "\n";
        return 0;
    }
    if (options.version) {
        out << "talvora " TALVORA_VERSION "\n";
        return 0;
    }
    return WindowLibrary::Run(argc, argv, options, err);
}
