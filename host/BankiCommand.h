#pragma once
#include "HostCommand.h"

// "talvora banki [--strona ADRES] [--json]": downloads the bank list page of
// the deposit-rates site (the configured one, or ADRES) and lists every bank
// with the link to its offer page, sorted as the bank choice shows them; with
// --json one array of objects with the keys Nazwa and Adres.
class BankiCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static QString Pomoc();
};
