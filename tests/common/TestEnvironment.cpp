#include "TestEnvironment.h"

#include "domain/TFormatSettings.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

void PrepareTestEnvironment() {
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath("data").toUtf8());
    // The import writes its pages under fixed or time-stamped names in the
    // temporary folder; cases running side by side must not share them.
    const QString temp = QDir(home.path()).filePath("tmp");
    QDir().mkpath(temp);
    qputenv("TMPDIR", temp.toUtf8());
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
}
