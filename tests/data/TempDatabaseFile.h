#pragma once
#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A fresh temporary folder with the path of a database file in it; the folder
// and everything in it go with the object.
class TempDatabaseFile {
public:
    explicit TempDatabaseFile(const QString& name = QStringLiteral("DataFile.dat"))
        : fPath(QDir(fDir.path()).filePath(name)) {}
    const QString& path() const { return fPath; }
    QString folder() const { return fDir.path(); }

private:
    QTemporaryDir fDir;
    QString fPath;
};
