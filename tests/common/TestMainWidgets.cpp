#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Window tests run offscreen unless another platform is asked for. The
// offscreen desktop has two screens side by side, a 1920x1080 primary and a
// 1280x1024 one to its right, so placement code meets a realistic desktop.
// TALVORA_TEST_SCREEN=WIDTHxHEIGHT gives one screen of that size instead
// (the small-screen runs of the tests that check what fits).
const char kScreens[] = R"({
    "screens": [
        {"name": "Glowny", "x": 0, "y": 0, "width": 1920, "height": 1080},
        {"name": "Drugi", "x": 1920, "y": 0, "width": 1280, "height": 1024}
    ]
})";

QByteArray Screens() {
    const QList<QByteArray> size = qgetenv("TALVORA_TEST_SCREEN").split('x');
    if (size.size() != 2)
        return kScreens;
    return R"({"screens": [{"name": "Maly", "x": 0, "y": 0, "width": )" + size[0] +
           R"(, "height": )" + size[1] + "}]}";
}

void ChooseOffscreenDesktop(const QTemporaryDir& folder) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    QFile config(QDir(folder.path()).filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly) || config.write(Screens()) < 0)
        return;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
}

// The offscreen platform warns on every dialog that it cannot pass size hints
// to a window system it does not have; that says nothing about the tests.
QtMessageHandler gDefaultHandler = nullptr;

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    gDefaultHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    PrepareTestEnvironment();
    QTemporaryDir folder;
    ChooseOffscreenDesktop(folder);
    gDefaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
