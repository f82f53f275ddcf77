#include "TestEnvironment.h"

#include "format/TFormatSettings.h"

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
    // Nothing a test runs may reach the National Bank of Poland's API: the
    // euro rate comes from a port below 1024 where no test server can listen,
    // unless a test sets its own server.
    qputenv("TALVORA_NBP_API", "http://127.0.0.1:9/");
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
}
