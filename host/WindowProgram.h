#pragma once
#include <QString>
#include <QStringList>
#include <QTextStream>

class QCoreApplication;
class TProjektDB;

// "talvora [--db FILE] [--demo] [FILE]": the deposits module in its window, on
// the user's data file or on a file with sample data; "--help" and "--version"
// only print. A data file given as FILE is opened as with --db; an offer file
// given as FILE is read into the import window as soon as the window shows.
struct WindowOptions {
    QString dataFile;
    bool demo = false;
    bool help = false;
    bool version = false;
    QString offerFile = {};
};

// Reads the window path's arguments and tells what a FILE among them is (by
// its first bytes); false with `error` set when they are wrong, a FILE is
// neither a data file nor an offer file, or a data file is given twice.
bool ParseWindowOptions(const QStringList& arguments, WindowOptions& options, QString& error);

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
