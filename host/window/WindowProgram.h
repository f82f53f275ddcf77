#pragma once
#include "tools/WindowOptions.h"

#include <QString>
#include <QTextStream>

class QCoreApplication;
class TProjektDB;

// The data file used when none is given: Talvora/DataFile.dat in the user's
// data folder (~/.local/share, or $XDG_DATA_HOME), DemoDataFile.dat there for
// the demo, so that the demo never touches the user's own file.
QString DefaultDataFile(bool demo);

// Qt's own Polish texts (standard buttons, file dialogs), when installed.
void InstallQtTranslation(QCoreApplication& application);

// After a showing closed with "Zapisz i zamknij": a profit the user added to a
// savings balance when ending a deposit is left by the module in the savings
// list, marked changed; the host writes it and reads the list back. (A
// showing closed without saving drops such a profit itself.) Returns the
// error to tell, "" when none.
QString SaveChangedSavings(TProjektDB& project);

// Opens (creating on first use) the data file, gives a new file the household
// records the module needs (and the sample data for the demo), loads the
// module and shows it, then saves the savings the module changed. While the
// module leaves changes it could not save, it is shown again, so the user can
// retry or discard them. Needs the QApplication. Returns the exit code.
int RunWindowProgram(const WindowOptions& options, QTextStream& err);
