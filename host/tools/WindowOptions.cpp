#include "tools/WindowOptions.h"

#include "tools/CommandLineOptions.h"
#include "tools/FileArgument.h"

namespace {

// "talvora FILE": a data file takes the place of --db, so it cannot come with
// --db or --demo; an offer file goes into the window of whichever data file
// the other options choose.
bool TakeFileArgument(const QString& path, WindowOptions& options, QString& error) {
    switch (FileArgument::Recognize(path, error)) {
    case FileArgument::Kind::OfferFile:
        options.offerFile = path;
        return true;
    case FileArgument::Kind::DataFile:
        if (!options.dataFile.isEmpty() || options.demo) {
            error = QStringLiteral("Plik danych \"%1\" podano obok %2: podaj jeden plik danych.")
                        .arg(path, options.demo ? QStringLiteral("--demo")
                                                : QStringLiteral("--db ") + options.dataFile);
            return false;
        }
        options.dataFile = path;
        return true;
    case FileArgument::Kind::None:
        break;
    }
    return false;
}

} // namespace

bool ParseWindowOptions(const QStringList& arguments, WindowOptions& options, QString& error) {
    CommandLineOptions parser({QStringLiteral("--db")},
                              {QStringLiteral("--demo"), QStringLiteral("--help"),
                               QStringLiteral("-h"), QStringLiteral("--version")},
                              1);
    if (!parser.parse(arguments, error))
        return false;
    options.dataFile = parser.value(QStringLiteral("--db"));
    options.demo = parser.has(QStringLiteral("--demo"));
    options.help = parser.has(QStringLiteral("--help")) || parser.has(QStringLiteral("-h"));
    options.version = parser.has(QStringLiteral("--version"));
    if (parser.has(QStringLiteral("--db")) && options.dataFile.isEmpty()) {
        error = QStringLiteral("Po --db brakuje ścieżki pliku danych.");
        return false;
    }
    if (parser.positional().isEmpty() || options.help || options.version)
        return true;
    return TakeFileArgument(parser.positional().first(), options, error);
}
