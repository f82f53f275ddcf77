#pragma once
#include "HostCommand.h"

// "talvora lokaty --db FILE [--json]": opens the data file as the program
// does and lists every deposit that is not deleted with the columns of the
// module's deposit list; with --json an array of objects with exact values.
class LokatyCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static QString Pomoc();
};
