#pragma once
#include "HostCommand.h"

// "talvora harmonogram": the interest schedule of one deposit as a bank pays
// it, to the grosz: every capitalisation period with its days, gross
// interest, tax, net interest and the capital after it, then the totals.
class HarmonogramCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static QString Pomoc();
};
