#include "ui/QtPlatformServices.h"

#include "platform/Platform.h"

namespace {

// Installs `ours` when the slot holds Platform's default service; otherwise
// leaves the installed service alone. Returns whether `ours` went in.
template <typename Service>
bool InstallOverDefault(Service* (*set)(Service*), Service& (*get)(), Service* ours) {
    Service* previous = set(nullptr);
    if (previous != &get()) {
        set(previous);
        return false;
    }
    set(ours);
    return true;
}

// Takes `ours` out again, unless something else has been installed over it.
template <typename Service>
void RemoveIfCurrent(Service* (*set)(Service*), Service& (*get)(), Service* ours, bool& installed) {
    if (installed && &get() == ours)
        set(nullptr);
    installed = false;
}

} // namespace

QtPlatformServices::~QtPlatformServices() {
    uninstall();
}

void QtPlatformServices::install(QWidget* owner) {
    fMessageBoxes.SetOwner(owner);
    fFileChooser.SetOwner(owner);
    fPrinter.SetOwner(owner);
    if (!fMessageBoxesInstalled)
        fMessageBoxesInstalled = InstallOverDefault<IMessageBoxes>(
            &Platform::setMessageBoxes, &Platform::messageBoxes, &fMessageBoxes);
    if (!fWebBrowserInstalled)
        fWebBrowserInstalled = InstallOverDefault<IWebBrowser>(&Platform::setWebBrowser,
                                                               &Platform::webBrowser, &fWebBrowser);
    if (!fFileChooserInstalled)
        fFileChooserInstalled = InstallOverDefault<IFileChooser>(
            &Platform::setFileChooser, &Platform::fileChooser, &fFileChooser);
    if (!fPrinterInstalled)
        fPrinterInstalled =
            InstallOverDefault<IPrinter>(&Platform::setPrinter, &Platform::printer, &fPrinter);
    if (!fModalRunnerInstalled)
        fModalRunnerInstalled = InstallOverDefault<IModalRunner>(
            &Platform::setModalRunner, &Platform::modalRunner, &fModalRunner);
}

void QtPlatformServices::uninstall() {
    RemoveIfCurrent<IMessageBoxes>(&Platform::setMessageBoxes, &Platform::messageBoxes,
                                   &fMessageBoxes, fMessageBoxesInstalled);
    RemoveIfCurrent<IWebBrowser>(&Platform::setWebBrowser, &Platform::webBrowser, &fWebBrowser,
                                 fWebBrowserInstalled);
    RemoveIfCurrent<IFileChooser>(&Platform::setFileChooser, &Platform::fileChooser, &fFileChooser,
                                  fFileChooserInstalled);
    RemoveIfCurrent<IPrinter>(&Platform::setPrinter, &Platform::printer, &fPrinter,
                              fPrinterInstalled);
    RemoveIfCurrent<IModalRunner>(&Platform::setModalRunner, &Platform::modalRunner, &fModalRunner,
                                  fModalRunnerInstalled);
}
