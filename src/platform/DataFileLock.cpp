#include "platform/DataFileLock.h"

#include <QDir>
#include <QFileInfo>

DataFileLock::DataFileLock(const QString& dataFile)
    : fDataFile(dataFile), fLock(std::make_unique<QLockFile>(lockFileName(dataFile))) {
    fLock->setStaleLockTime(0);
}

QString DataFileLock::lockFileName(const QString& dataFile) {
    return QFileInfo(dataFile).absoluteFilePath() + QStringLiteral(".lock");
}

bool DataFileLock::tryLock() {
    QDir().mkpath(QFileInfo(fDataFile).absolutePath());
    if (fLock->tryLock(0) || fLock->error() != QLockFile::LockFailedError)
        return true;
    fLock->getLockInfo(&fHolder.pid, &fHolder.host, &fHolder.program);
    fHolder.since = QFileInfo(lockFileName(fDataFile)).lastModified();
    return false;
}

bool DataFileLock::heldByAnother(const QString& dataFile, Holder* holder) {
    DataFileLock probe(dataFile);
    if (!QFileInfo::exists(lockFileName(dataFile)) || probe.tryLock())
        return false;
    if (holder)
        *holder = probe.holder();
    return true;
}

QString DataFileLock::heldMessage(const QString& dataFile, const Holder& holder) {
    return QStringLiteral("Plik danych \"%1\" jest otwarty w innym oknie programu (proces %2, od "
                          "%3). Zamknij tamto okno albo otwórz plik tylko do odczytu.")
        .arg(dataFile)
        .arg(holder.pid)
        .arg(holder.since.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}
