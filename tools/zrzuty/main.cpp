// talvora-zrzuty FOLDER: takes the documentation's pictures. It opens the
// deposits window on fresh sample data in a temporary folder, saves a picture
// of each tab and dialog into FOLDER and closes the window without saving.
// The user's own data and settings are not touched when XDG_CONFIG_HOME and
// XDG_DATA_HOME point elsewhere (scripts/screenshots.sh does so).
#include "TabScreenshots.h"
#include "tools/HouseholdSetup.h"
#include "window/DemoData.h"
#include "window/WindowProgram.h"

#include "app/BledyPolecen.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"
#include "ui/QtPlatformServices.h"
#include "ui/TLokatyFormGlowny.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

const char* const kUsage = "Użycie: talvora-zrzuty FOLDER (istniejący folder na obrazy)\n";

// "--help" and "-h" need no display, so they are answered before the
// application object connects to one.
bool AsksForHelp(int argc, char* argv[]) {
    return argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
}

} // namespace

int main(int argc, char* argv[]) {
    if (AsksForHelp(argc, argv)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 1 || !QDir(arguments.first()).exists()) {
        err << kUsage;
        return 2;
    }
    InstallQtTranslation(app);
    QTemporaryDir folder;
    try {
        const std::unique_ptr<TProjektDB> otwarty =
            OtworzProjektDB(folder.filePath(QStringLiteral("DemoDataFile.dat")));
        TProjektDB& projekt = *otwarty;
        AddHouseholdRecords(projekt);
        AddDemoData(projekt);
        UstawFormaty();
        projekt.WczytajDaneZTabeliDoKolekcji(TTabele::HarmonogramyLokatBankowych);
        QtPlatformServices uslugi;
        uslugi.install();
        TLokatyFormGlowny okno;
        okno.MyDB = &projekt;
        // "Zapisz" is shown as in the program; the pictures never save.
        okno.UstawZapisWMiejscu([] { return std::optional<std::map<int32_t, int32_t>>(); });
        ScheduleTabScreenshots(okno, arguments.first());
        okno.exec();
        okno.MyDB = nullptr;
    } catch (const std::exception& blad) {
        err << blad.what() << "\n";
        return 1;
    }
    return 0;
}
