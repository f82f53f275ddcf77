#pragma once
#include "HostCommand.h"

// "talvora baza --db FILE [--json]": runs the database start-up on the file
// (creating or upgrading it) and lists its tables with their row counts.
class BazaCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;
};
