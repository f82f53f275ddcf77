#pragma once
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>

// The lock of a data file while a window (or `talvora baza`) has it open:
// a lock file beside the data file ("<file>.lock") holding the process id,
// the host and the program's name. A lock left by a process that no longer
// runs is taken over; a live one is never taken over, however old.
class DataFileLock {
public:
    // Who holds a lock that could not be taken.
    struct Holder {
        qint64 pid = 0;
        QString host;
        QString program;
        QDateTime since;
    };

    explicit DataFileLock(const QString& dataFile);

    // Takes the lock. False only when another live process holds it (then
    // see holder()); a lock file that cannot be written at all (a read-only
    // folder) is left to the opening of the file to report.
    bool tryLock();
    bool isLocked() const { return fLock->isLocked(); }
    const Holder& holder() const { return fHolder; }
    // Whether some other live process holds the lock now (nothing is taken).
    static bool heldByAnother(const QString& dataFile, Holder* holder = nullptr);
    // "Plik danych … jest otwarty w innym oknie programu (proces 1234, od …)."
    static QString heldMessage(const QString& dataFile, const Holder& holder);

    static QString lockFileName(const QString& dataFile);

private:
    QString fDataFile;
    std::unique_ptr<QLockFile> fLock;
    Holder fHolder;
};
