#pragma once
#include <QStringList>
#include <QTextStream>

// One command-line tool of the host ("talvora NAME ..."). run() gets the
// arguments after the name and returns the process exit code: 0 done, 1 the
// work failed, 2 the arguments were wrong.
class HostCommand {
public:
    virtual ~HostCommand() = default;
    virtual QString name() const = 0;
    virtual QString summary() const = 0;
    virtual int run(const QStringList& arguments, QTextStream& out, QTextStream& err) = 0;
};
