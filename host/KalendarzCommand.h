#pragma once
#include "HostCommand.h"

// "talvora kalendarz --db FILE [--json] [--ics FILE]": the maturity calendar
// of a data file's active deposits, month by month (overdue ones first), as a
// table, as JSON, or written as an iCalendar file of their end dates. Reads
// the data file only; it never creates one.
class KalendarzCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static QString Pomoc();
};
