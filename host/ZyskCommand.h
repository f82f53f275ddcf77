#pragma once
#include "HostCommand.h"

// "talvora zysk": the deposit calculator. Builds one deposit and one offer
// from the arguments and prints the estimated net profit, the number of
// capitalisation periods, the estimated end date, the length in days and the
// term text; with --json one object with the exact values.
class ZyskCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static QString Pomoc();
};
