#pragma once
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <exception>

// The options of one command-line tool: "--name value" (or "--name=value")
// for options that take a value, "--name" for flags, and up to
// `maxPositional` plain arguments (not starting with "--") in any place.
// Each option may be given once; anything else is an error with a Polish
// message.
class CommandLineOptions {
public:
    CommandLineOptions(const QStringList& valueOptions, const QStringList& flags,
                       int maxPositional = 0);

    // Reads the arguments; false with `error` set when they are wrong.
    bool parse(const QStringList& arguments, QString& error);

    bool has(const QString& name) const { return fValues.contains(name); }
    QString value(const QString& name) const { return fValues.value(name); }
    // The plain arguments, in the order given.
    const QStringList& positional() const { return fPositional; }

    // Options that exclude each other: the error for the first two given
    // together ("Argumenty --json i --csv wykluczają się."), or an empty text.
    QString exclusive(const QStringList& names) const;

    // The data file of a tool that opens one ("--db FILE"): false with
    // `error` set when it is missing or empty.
    bool requireDataFile(QString& error) const;

    // Wrong arguments, as every tool reports them: the message and a pointer
    // to the tool's --help on `err`. Returns the exit code for them, 2.
    static int reportError(QTextStream& err, const QString& tool, const QString& error);
    // Work that failed, as every tool reports it: the error's message on
    // `err` (its "\r" breaks as new lines). Returns the exit code for it, 1.
    static int reportFailure(QTextStream& err, const std::exception& failure);

private:
    bool store(const QString& name, const QString& value, QString& error);

    QStringList fValueOptions;
    QStringList fFlags;
    int fMaxPositional;
    QStringList fPositional;
    QMap<QString, QString> fValues;
};
