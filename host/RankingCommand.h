#pragma once
#include "HostCommand.h"

// "talvora ranking": the offers of a data file's catalogue that take an
// amount (and fit a term), best net yield per year first, each with the
// estimate the deposit list shows and the bank-exact net interest.
class RankingCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static QString Pomoc();
};
