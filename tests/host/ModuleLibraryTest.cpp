// The real module loaded as the host loads it, in a process that has only a
// core application: it must refuse to show windows, not crash.
#include "window/ModuleLibrary.h"
#include "common/ScriptedMessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

TEST(ModuleLibrary, WithoutAWidgetApplicationTheModuleReportsAndReturns) {
    ScriptedMessageBoxes boxes;
    ModuleLibrary module;
    QString error;
    ASSERT_TRUE(module.Load(ModuleLibrary::DefaultPath(), error)) << error.toStdString();
    module.SetApplicationVariables(nullptr, nullptr);
    module.ShowFormVQ();
    const QString expected = "Nie można uruchomić modułu - program nie utworzył obiektu aplikacji "
                             "okienkowej (QApplication), więc okna modułu nie mogą zostać "
                             "pokazane.";
    EXPECT_EQ(module.LastError(), expected);
    ASSERT_EQ(boxes.messages.size(), 1);
    EXPECT_EQ(boxes.messages[0].caption, "BŁĄD !!!");
    EXPECT_EQ(boxes.messages[0].icon, TMessageIcon::Error);
    EXPECT_EQ(boxes.messages[0].text, expected);
}

TEST(ModuleLibrary, ReportsAFileThatIsNoModule) {
    struct Case {
        QString path;
        const char* errorStart;
    };
    const QString binDir = QCoreApplication::applicationDirPath();
    const Case cases[] = {
        {QDir(binDir).filePath("libBrak.so"), "Nie udało się załadować modułu lokat "},
        {QDir(binDir).filePath("libtalvora_core.so"),
         "Moduł lokat nie udostępnia funkcji SetApplicationVariables: "},
    };
    for (const Case& c : cases) {
        ModuleLibrary module;
        QString error;
        EXPECT_FALSE(module.Load(c.path, error));
        EXPECT_FALSE(module.IsLoaded());
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.errorStart))) << error.toStdString();
        module.ShowFormVQ(); // does nothing
        EXPECT_EQ(module.LastError(), "");
    }
}

// Nothing but the four functions is visible to the host: no class of the
// module's windows, no Qt inline compiled into it.
TEST(ModuleLibrary, ExportsOnlyItsFourFunctions) {
    const QString nmProgram = QStandardPaths::findExecutable("nm");
    if (nmProgram.isEmpty())
        GTEST_SKIP() << "nm is not installed";
    const QString modulePath = ModuleLibrary::DefaultPath();
    ASSERT_TRUE(QFileInfo::exists(modulePath)) << modulePath.toStdString();
    QProcess nm;
    nm.start(nmProgram, {"-D", "--defined-only", modulePath});
    ASSERT_TRUE(nm.waitForFinished()) << nm.errorString().toStdString();
    ASSERT_EQ(nm.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(nm.exitCode(), 0) << nm.readAllStandardError().toStdString();
    QStringList exported;
    const QRegularExpression symbol(R"(^\S+ [A-Za-z] (\S+)$)");
    const QStringList linkerMarks = {"_edata", "_end", "__bss_start", "_init", "_fini"};
    for (const QString& line : QString::fromUtf8(nm.readAllStandardOutput()).split('\n')) {
        const QRegularExpressionMatch m = symbol.match(line);
        if (m.hasMatch() && !linkerMarks.contains(m.captured(1)))
            exported << m.captured(1);
    }
    exported.sort();
    EXPECT_EQ(exported, (QStringList{"LastErrorVQ", "SetApplicationVariables", "SetOfferFileVQ",
                                     "ShowFormVQ"}));
}

} // namespace
