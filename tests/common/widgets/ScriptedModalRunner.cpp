#include "common/widgets/ScriptedModalRunner.h"

#include "platform/Platform.h"

#include <QPointer>

ScriptedModalRunner::ScriptedModalRunner() : fPrevious(Platform::setModalRunner(this)) {}

ScriptedModalRunner::~ScriptedModalRunner() {
    Platform::setModalRunner(fPrevious);
    if (!fScripts.empty())
        ADD_FAILURE() << fScripts.size() << " scripted dialog(s) never shown";
}

QStringList ScriptedModalRunner::shownNames() const {
    QStringList names;
    for (const Shown& s : shown)
        names << (s.objectName.isEmpty() ? s.className : s.objectName);
    return names;
}

int ScriptedModalRunner::runModal(QWidget* widget) {
    if (!widget) {
        ADD_FAILURE() << "runModal called without a window";
        return 0;
    }
    const qsizetype index = shown.size();
    shown.append({QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
                  widget->windowTitle()});
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (!dialog) {
        ADD_FAILURE() << "runModal called with " << widget->metaObject()->className()
                      << ", which is not a dialog";
        return 0;
    }
    if (fScripts.empty()) {
        dialog->setResult(QDialog::Rejected);
        return 0;
    }
    // Taken off the queue first: the script may open further dialogs.
    const std::function<void(QDialog&)> script = std::move(fScripts.front());
    fScripts.pop_front();
    shown[index].scripted = true;
    const int result = RunScript(*dialog, script);
    shown[index].result = result;
    return result;
}

// Shows the dialog modally as exec() would, without an event loop of its own.
int ScriptedModalRunner::RunScript(QDialog& dialog, const std::function<void(QDialog&)>& script) {
    QPointer<QDialog> guard(&dialog);
    const bool wasModal = dialog.testAttribute(Qt::WA_ShowModal);
    dialog.setAttribute(Qt::WA_ShowModal, true);
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    script(dialog);
    if (!guard)
        return 0;
    if (dialog.isVisible())
        dialog.reject();
    dialog.setAttribute(Qt::WA_ShowModal, wasModal);
    return dialog.result() == QDialog::Accepted ? 1 : 0;
}
