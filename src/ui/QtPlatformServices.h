#pragma once
#include "ui/QtFileChooser.h"
#include "ui/QtMessageBoxes.h"
#include "ui/QtModalRunner.h"
#include "ui/QtPrinter.h"
#include "ui/QtWebBrowser.h"

// The Qt implementations of the desktop services, installed in Platform while
// the module's windows are shown. install() replaces only services that are
// still Platform's window-less defaults, so services a caller installed before
// (a test's scripted ones) stay in place; uninstall() puts back what install()
// replaced. The destructor uninstalls.
class QtPlatformServices {
public:
    QtPlatformServices() = default;
    ~QtPlatformServices();
    QtPlatformServices(const QtPlatformServices&) = delete;
    QtPlatformServices& operator=(const QtPlatformServices&) = delete;

    // `owner` is the window message boxes and file dialogs belong to when no
    // modal window is open (the host's application window).
    void install(QWidget* owner = nullptr);
    void uninstall();

    QtMessageBoxes& messageBoxes() { return fMessageBoxes; }
    QtFileChooser& fileChooser() { return fFileChooser; }

private:
    QtMessageBoxes fMessageBoxes;
    QtWebBrowser fWebBrowser;
    QtFileChooser fFileChooser;
    QtPrinter fPrinter;
    QtModalRunner fModalRunner;
    bool fMessageBoxesInstalled = false;
    bool fWebBrowserInstalled = false;
    bool fFileChooserInstalled = false;
    bool fPrinterInstalled = false;
    bool fModalRunnerInstalled = false;
};
