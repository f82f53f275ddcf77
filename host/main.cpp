#include "HostCommands.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    const int code = RunHostCommand(arguments, out, err);
    if (code >= 0)
        return code;
    err << "Użycie: talvora POLECENIE [--help]\nPolecenia:\n";
    for (const auto& command : HostCommands())
        err << "  " << command->name() << "  " << command->summary() << "\n";
    return 2;
}
