#include "ui/QtPlatformServices.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

template <typename T, typename Service> bool Is(Service& service) {
    return dynamic_cast<T*>(&service) != nullptr;
}

TEST(QtPlatformServices, InstallsOverTheDefaultsAndPutsThemBack) {
    QWidget owner;
    {
        QtPlatformServices services;
        services.install(&owner);
        EXPECT_EQ(&Platform::messageBoxes(), &services.messageBoxes());
        EXPECT_EQ(&Platform::fileChooser(), &services.fileChooser());
        EXPECT_TRUE(Is<QtWebBrowser>(Platform::webBrowser()));
        EXPECT_TRUE(Is<QtModalRunner>(Platform::modalRunner()));
        EXPECT_TRUE(Is<QtPrinter>(Platform::printer()));
        EXPECT_EQ(services.messageBoxes().Owner(), &owner);
        EXPECT_EQ(services.fileChooser().Owner(), &owner);
        services.uninstall();
        EXPECT_FALSE(Is<QtMessageBoxes>(Platform::messageBoxes()));
        EXPECT_FALSE(Is<QtModalRunner>(Platform::modalRunner()));
        services.install();
    }
    // Going out of scope uninstalls as well.
    EXPECT_FALSE(Is<QtMessageBoxes>(Platform::messageBoxes()));
    EXPECT_FALSE(Is<QtWebBrowser>(Platform::webBrowser()));
    EXPECT_FALSE(Is<QtFileChooser>(Platform::fileChooser()));
    EXPECT_FALSE(Is<QtModalRunner>(Platform::modalRunner()));
    EXPECT_FALSE(Is<QtPrinter>(Platform::printer()));
}

TEST(QtPlatformServices, LeavesServicesATestInstalledInPlace) {
    ScriptedMessageBoxes scripted;
    {
        QtPlatformServices services;
        services.install();
        EXPECT_EQ(&Platform::messageBoxes(), &scripted);
        EXPECT_TRUE(Is<QtModalRunner>(Platform::modalRunner()));
    }
    EXPECT_EQ(&Platform::messageBoxes(), &scripted);
    EXPECT_FALSE(Is<QtModalRunner>(Platform::modalRunner()));
}

TEST(QtModalRunner, ReturnsOneOnlyForAnAcceptedDialog) {
    ModalWatchdog watchdog;
    QtModalRunner runner;
    QDialog dialog;
    WhenModalShows([](QWidget& w) { static_cast<QDialog&>(w).accept(); });
    EXPECT_EQ(runner.runModal(&dialog), 1);
    WhenModalShows([](QWidget& w) { static_cast<QDialog&>(w).reject(); });
    EXPECT_EQ(runner.runModal(&dialog), 0);
    QWidget notADialog;
    EXPECT_EQ(runner.runModal(&notADialog), 0);
    EXPECT_EQ(runner.runModal(nullptr), 0);
}

TEST(QtFileChooser, SavingAddsTheFiltersExtensionAndOpeningReturnsTheFile) {
    ModalWatchdog watchdog;
    QTemporaryDir folder;
    const QString filter = "Lokaty bankowe (*.vq_lb)";
    QtFileChooser chooser;
    QString caption;
    // Types the name as a user would: selectFile() leaves the name field alone
    // once that field has the focus, which depends on the window's activation.
    auto choose = [&caption](const QString& path) {
        return [&caption, path](QWidget& w) {
            auto* dialog = qobject_cast<QFileDialog*>(&w);
            ASSERT_NE(dialog, nullptr);
            caption = dialog->windowTitle();
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(path);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, reached as a dialog
        };
    };
    const QString typed = QDir(folder.path()).filePath("oferty");
    WhenModalShows(choose(typed));
    EXPECT_EQ(chooser.chooseFileToSave("Wskaż plik zapisu lokat bankowych", filter, "lokaty"),
              typed + ".vq_lb");
    EXPECT_EQ(caption, "Wskaż plik zapisu lokat bankowych");

    const QString existing = QDir(folder.path()).filePath("zapisane.vq_lb");
    QFile(existing).open(QIODevice::WriteOnly);
    WhenModalShows(choose(existing));
    EXPECT_EQ(chooser.chooseFileToOpen("Wskaż plik", filter), existing);

    WhenModalShows([](QWidget& w) { static_cast<QDialog&>(w).reject(); });
    EXPECT_EQ(chooser.chooseFileToOpen("Wskaż plik", filter), QString());
}

TEST(QtFileChooser, DefaultSuffixIsTheFirstPatternsExtension) {
    EXPECT_EQ(QtFileChooser::DefaultSuffix("Lokaty bankowe (*.vq_lb)"), "vq_lb");
    EXPECT_EQ(QtFileChooser::DefaultSuffix("Teksty (*.txt *.csv)"), "txt");
    EXPECT_EQ(QtFileChooser::DefaultSuffix("Wszystkie pliki (*)"), "");
}

} // namespace
