// The entry of libtalvora_window.so: the window program in a QApplication.
#include "platform/BuildConfig.h"
#include "tools/WindowLibrary.h"
#include "window/DisplayCheck.h"
#include "window/FirstFrame.h"
#include "window/HostMessageBoxes.h"
#include "window/WindowProgram.h"

#include <QApplication>
#include <type_traits>

static_assert(std::is_same_v<decltype(&TalvoraRunWindow), WindowLibrary::EntryFn>);

int TalvoraRunWindow(int& argc, char** argv, const WindowOptions& options) {
    QTextStream err(stderr);
    const QString missing = MissingDisplayMessage();
    if (!missing.isEmpty()) {
        err << missing << "\n";
        return 1;
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window with the launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TALVORA_APP_ID));
    InstallQtTranslation(app);
    FirstFrame::InstallIfAsked();
    HostMessageBoxes boxes;
    return RunWindowProgram(options, err);
}
