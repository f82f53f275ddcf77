#include "window/WindowProgram.h"

#include "app/BledyPolecen.h"
#include "app/Komunikaty.h"
#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TekstBledu.h"
#include "platform/DataFileLock.h"
#include "platform/HugePageHeap.h"
#include "platform/IMessageBoxes.h"
#include "platform/Platform.h"
#include "tools/ConsoleText.h"
#include "tools/HouseholdSetup.h"
#include "window/DemoData.h"
#include "window/ModuleLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <exception>
#include <optional>

namespace {

// A file that does not exist yet, or an empty one, is set up by the host.

// Shows the module until it leaves no unsaved deposits or offers behind: a
// save that failed keeps the user's changes in the collections, and showing
// the window again lets the user retry, or discard them with the close box.
// An error that ended a showing stops the loop. Returns that error. An offer
// file given on the command line is read in the first showing only (the module
// forgets it in every showing).
QString ShowModule(const ModuleLibrary& module, TProjektDB& project, const QString& offerFile) {
    QString error;
    module.SetOfferFile(offerFile);
    do {
        module.SetApplicationVariables(nullptr, &project);
        module.ShowFormVQ();
        error = module.LastError();
    } while (error.isEmpty() && project.Kolekcje().ZmienionoINiezapisanoLokaty());
    return error;
}

// A file another window of the program has open is offered read-only; "Nie"
// (the default) cancels the start.
bool OpenReadOnly(const QString& path, const DataFileLock::Holder& holder) {
    TMessage question{kTytulPytania,
                      DataFileLock::heldMessage(path, holder) +
                          QStringLiteral("\rOtworzyć go tylko do odczytu?"),
                      TMessageIcon::Warning, TMessageButtons::YesNo, true};
    return Platform::messageBoxes().show(question) == TMessageResult::Yes;
}

int Run(const WindowOptions& options, const QString& path, QTextStream& err) {
    ModuleLibrary module;
    QString error;
    if (!module.Load(ModuleLibrary::DefaultPath(), error))
        throw EDataError(error);
    RequireRegularFile(path);
    DataFileLock lock(path);
    const bool readOnly = !lock.tryLock();
    if (readOnly && !OpenReadOnly(path, lock.holder())) {
        err << ConsoleText(DataFileLock::heldMessage(path, lock.holder())) << "\n";
        return 1;
    }
    const bool isNew = IsNewDataFile(path);
    // The load fills the heap with the file's records: grown in huge pages,
    // it takes a fault per 2 MB instead of per 4 KB. The window lives long,
    // so the heap is trimmed as usual again once the file is read.
    std::optional<HugePageHeap> heap(
        std::in_place, HugePageHeap::kPerFileByte * static_cast<size_t>(QFileInfo(path).size()));
    const std::unique_ptr<TProjektDB> opened = OtworzProjektDB(path);
    TProjektDB& project = *opened;
    heap.reset();
    project.SetOtwartyTylkoDoOdczytu(readOnly);
    if (isNew && !readOnly) {
        AddHouseholdRecords(project);
        if (options.demo)
            AddDemoData(project);
    }
    error = ShowModule(module, project, options.offerFile);
    // A showing that ended in an error may have left a profit in the savings
    // whose deposit was never saved: it is not written either.
    const QString savings = error.isEmpty() ? SaveChangedSavings(project) : QString();
    for (const QString& message : {error, savings})
        if (!message.isEmpty())
            err << ConsoleText(message) << "\n";
    return error.isEmpty() && savings.isEmpty() ? 0 : 1;
}

} // namespace

QString SaveChangedSavings(TProjektDB& project) {
    if (!project.Kolekcje().ZmienionoINiezapisanoOszczednosci())
        return {};
    const TWynikZapisu saved = project.ZapiszZawartoscKolekcjiDoBazy(TTabele::Oszczednosci);
    PokazBledyPolecen(saved.Polecenia);
    PokazBledyPolecen(project.WezBledyPolecen());
    if (!saved.Zapisano())
        return QStringLiteral("Nie udało się zapisać zmienionych oszczędności.");
    // The saver leaves the marks as they were; the stored rows replace them.
    project.OdswiezZawartoscKolekcji(TTabele::Oszczednosci);
    return {};
}

QString DefaultDataFile(bool demo) {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(dataHome).filePath(demo ? QStringLiteral("Talvora/DemoDataFile.dat")
                                        : QStringLiteral("Talvora/DataFile.dat"));
}

void InstallQtTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_pl"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(translator);
    else
        delete translator;
}

int RunWindowProgram(const WindowOptions& options, QTextStream& err) {
    const QString path =
        QFileInfo(options.dataFile.isEmpty() ? DefaultDataFile(options.demo) : options.dataFile)
            .absoluteFilePath();
    WindowOptions absolute = options;
    if (!options.offerFile.isEmpty())
        absolute.offerFile = QFileInfo(options.offerFile).absoluteFilePath();
    int code = 1;
    try {
        code = Run(absolute, path, err);
    } catch (const std::exception& error) {
        // Started from the desktop menu, nobody reads stderr: the failure is
        // shown on screen too.
        err << ConsoleErrorText(error) << "\n";
        Platform::messageBoxes().show(
            {kTytulBledu, TekstBledu(error), TMessageIcon::Error, TMessageButtons::Ok, false});
    }
    err.flush();
    return code;
}
