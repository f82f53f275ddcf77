#include "tools/PrivateLibrary.h"

#include "platform/BuildConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>

namespace {

QString LastDlError() {
    const char* text = dlerror();
    return text ? QString::fromLocal8Bit(text) : QString();
}

} // namespace

QString PrivateLibrary::ProgramDir() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString PrivateLibrary::Path(const char* fileName) {
    const QDir programDir(ProgramDir());
    const QString besideProgram = programDir.filePath(QLatin1String(fileName));
    if (QFile::exists(besideProgram))
        return besideProgram;
    return QDir::cleanPath(programDir.filePath(QStringLiteral(TALVORA_MODULE_DIR_FROM_BIN "/") +
                                               QLatin1String(fileName)));
}

void* PrivateLibrary::Symbol(const char* fileName, const char* symbol, QString& error) {
    const QString path = Path(fileName);
    void* library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        error = QStringLiteral("Nie udało się załadować biblioteki programu %1: %2")
                    .arg(path, LastDlError());
        return nullptr;
    }
    dlerror();
    void* address = dlsym(library, symbol);
    if (!address)
        error = QStringLiteral("Biblioteka programu %1 nie udostępnia funkcji %2: %3")
                    .arg(path, QLatin1String(symbol), LastDlError());
    return address;
}
