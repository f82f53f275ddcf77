#pragma once
#include "HostCommand.h"

// "talvora strona PLIK --bank NAZWA [--json]": runs the offer page parser on
// a bank's offer page saved in a file and lists the offers it gives, as the
// import window would show them; with --json one array of offer objects.
// A page error lists the offers read before it, prints the error on stderr
// and exits 1.
class StronaCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static QString Pomoc();
};
