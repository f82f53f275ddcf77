#pragma once
#include <QString>
#include <QTemporaryDir>
#include <memory>

class TProjektDB;

// A data file opened by a tool that only reads it. The file must exist: a
// path that names no file raises EDataError and nothing is created, neither
// the file nor its folders (only `talvora baza` and the window create files).
// Opening a data file checks that it can be written and upgrades an old
// layout, which changes it, so the project works on a copy in a temporary
// folder and the user's file stays as it was. Messages name the user's file.
class ReadOnlyDataFile {
public:
    explicit ReadOnlyDataFile(const QString& path);
    ~ReadOnlyDataFile();
    ReadOnlyDataFile(const ReadOnlyDataFile&) = delete;
    ReadOnlyDataFile& operator=(const ReadOnlyDataFile&) = delete;

    TProjektDB& Project() { return *fProject; }
    // The user's file (absolute), not the copy the project works on.
    const QString& Path() const { return fPath; }

private:
    QString fPath;
    QTemporaryDir fFolder;
    std::unique_ptr<TProjektDB> fProject;
};
