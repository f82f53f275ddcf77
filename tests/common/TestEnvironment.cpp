#include "TestEnvironment.h"

#include "domain/TFormatSettings.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

void PrepareTestEnvironment() {
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath("data").toUtf8());
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
}
