#include "ui/QtWebBrowser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The desktop's opener (xdg-open) decides: one that takes the page reports
// success, one that ends with an error (no browser found) reports failure.
// Stand-in openers on the PATH record the address they were given.
TEST(QtWebBrowser, ReportsWhetherTheDesktopsOpenerTookThePage) {
    QTemporaryDir katalog;
    const QString adres = QDir(katalog.path()).filePath("adres");
    const QByteArray sciezka = qgetenv("PATH");
    qputenv("PATH", katalog.path().toUtf8());
    struct Przypadek {
        QString koniec;
        bool otwarto;
    } przypadki[] = {{"exit 0", true}, {"exit 3", false}};
    QtWebBrowser przegladarka;
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.koniec.toStdString());
        QFile::remove(adres);
        QFile skrypt(QDir(katalog.path()).filePath("xdg-open"));
        ASSERT_TRUE(skrypt.open(QIODevice::WriteOnly | QIODevice::Truncate));
        skrypt.write(
            ("#!/bin/sh\nprintf '%s' \"$1\" > '" + adres + "'\n" + p.koniec + "\n").toUtf8());
        skrypt.close();
        skrypt.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        EXPECT_EQ(przegladarka.openUrl(" http://pomoc.test/lokaty "), p.otwarto);
        QFile zapisany(adres);
        ASSERT_TRUE(zapisany.open(QIODevice::ReadOnly));
        EXPECT_EQ(zapisany.readAll(), "http://pomoc.test/lokaty");
    }
    EXPECT_FALSE(przegladarka.openUrl("   ")) << "no address, nothing to open";
    qputenv("PATH", sciezka);
}

} // namespace
