#pragma once
#include "HostCommand.h"

// "talvora oferty --db FILE [--json]", "talvora oferty --plik FILE [--json]"
// and "talvora oferty --db FILE --eksportuj FILE": lists the offer catalogue
// of a data file or the offers of an offer file, or writes the catalogue of a
// data file to an offer file as the window's export does.
class OfertyCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static QString Pomoc();
};
