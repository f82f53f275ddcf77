#include "window/ModuleLibrary.h"

#include "tools/PrivateLibrary.h"

#include <QFile>
#include <dlfcn.h>

namespace {

QString LastDlError() {
    const char* text = dlerror();
    return text ? QString::fromLocal8Bit(text) : QString();
}

template <typename Fn> bool Resolve(void* library, const char* name, Fn& target, QString& error) {
    dlerror();
    target = reinterpret_cast<Fn>(dlsym(library, name));
    if (target)
        return true;
    error = QStringLiteral("Moduł lokat nie udostępnia funkcji %1: %2")
                .arg(QLatin1String(name), LastDlError());
    return false;
}

} // namespace

QString ModuleLibrary::DefaultPath() {
    const QString fromEnvironment = qEnvironmentVariable("TALVORA_MODULE");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return PrivateLibrary::Path(kFileName);
}

bool ModuleLibrary::Load(const QString& path, QString& error) {
    void* library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        error =
            QStringLiteral("Nie udało się załadować modułu lokat %1: %2").arg(path, LastDlError());
        return false;
    }
    SetApplicationVariablesFn set = nullptr;
    ShowFormVQFn show = nullptr;
    LastErrorVQFn lastError = nullptr;
    SetOfferFileVQFn offerFile = nullptr;
    if (!Resolve(library, "SetApplicationVariables", set, error) ||
        !Resolve(library, "ShowFormVQ", show, error) ||
        !Resolve(library, "LastErrorVQ", lastError, error) ||
        !Resolve(library, "SetOfferFileVQ", offerFile, error)) {
        dlclose(library);
        return false;
    }
    fSetApplicationVariables = set;
    fShowFormVQ = show;
    fLastErrorVQ = lastError;
    fSetOfferFileVQ = offerFile;
    return true;
}

void ModuleLibrary::SetApplicationVariables(void* hostAppHandle, TProjektDB* hostProjektDB) const {
    if (fSetApplicationVariables)
        fSetApplicationVariables(hostAppHandle, hostProjektDB);
}

void ModuleLibrary::SetOfferFile(const QString& path) const {
    if (fSetOfferFileVQ)
        fSetOfferFileVQ(path.toUtf8().constData());
}

void ModuleLibrary::ShowFormVQ() const {
    if (fShowFormVQ)
        fShowFormVQ();
}

QString ModuleLibrary::LastError() const {
    return fLastErrorVQ ? QString::fromUtf8(fLastErrorVQ()) : QString();
}
