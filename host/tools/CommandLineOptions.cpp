#include "tools/CommandLineOptions.h"

#include "tools/ConsoleText.h"

CommandLineOptions::CommandLineOptions(const QStringList& valueOptions, const QStringList& flags,
                                       int maxPositional)
    : fValueOptions(valueOptions), fFlags(flags), fMaxPositional(maxPositional) {}

bool CommandLineOptions::store(const QString& name, const QString& value, QString& error) {
    if (fValues.contains(name)) {
        error = QStringLiteral("Argument %1 podano więcej niż raz.").arg(name);
        return false;
    }
    fValues.insert(name, value);
    return true;
}

bool CommandLineOptions::parse(const QStringList& arguments, QString& error) {
    fValues.clear();
    fPositional.clear();
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const int equals = argument.indexOf(u'=');
        const QString name = equals > 0 ? argument.left(equals) : argument;
        if (fFlags.contains(name) && equals < 0) {
            if (!store(name, QString(), error))
                return false;
        } else if (fValueOptions.contains(name)) {
            if (equals < 0 && i + 1 >= arguments.size()) {
                error = QStringLiteral("Argument %1 wymaga wartości.").arg(name);
                return false;
            }
            const QString value = equals > 0 ? argument.mid(equals + 1) : arguments[++i];
            if (!store(name, value, error))
                return false;
        } else if (!argument.startsWith(QStringLiteral("--")) &&
                   fPositional.size() < fMaxPositional) {
            fPositional << argument;
        } else {
            error = QStringLiteral("Nieznany argument: %1").arg(argument);
            return false;
        }
    }
    return true;
}

QString CommandLineOptions::exclusive(const QStringList& names) const {
    QStringList given;
    for (const QString& name : names)
        if (has(name))
            given << name;
    if (given.size() < 2)
        return {};
    return QStringLiteral("Argumenty %1 i %2 wykluczają się.").arg(given[0], given[1]);
}

bool CommandLineOptions::requireDataFile(QString& error) const {
    if (!value(QStringLiteral("--db")).isEmpty())
        return true;
    error = QStringLiteral("Podaj plik danych: --db PLIK.");
    return false;
}

int CommandLineOptions::reportError(QTextStream& err, const QString& tool, const QString& error) {
    err << error << u'\n' << QStringLiteral("Opis argumentów: talvora %1 --help\n").arg(tool);
    return 2;
}

int CommandLineOptions::reportFailure(QTextStream& err, const std::exception& failure) {
    err << ConsoleErrorText(failure) << u'\n';
    return 1;
}
