#pragma once
#include "platform/IModalRunner.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <typeinfo>

// The modal runner for window tests; installs itself for its lifetime.
//
// Each dialog the code under test shows takes the next queued script. The
// dialog is shown (its show handlers run, it is the active modal widget) and
// handed to the script, which fills it and clicks its real buttons; the
// runner returns 1 when the dialog was accepted, else 0. A dialog still open
// after its script is rejected. With no script queued a dialog is rejected
// unshown. Every dialog is recorded in `shown`. Scripts left unused when the
// runner goes are reported as a test failure.
//
//     ScriptedModalRunner dialogs;
//     dialogs.expect<TLokataDialog>([](TLokataDialog& d) {
//         d.e_AddL_Nazwa->setText("Lokata");
//         ClickButton(d, "btn_OK");
//     });
class ScriptedModalRunner : public IModalRunner {
public:
    struct Shown {
        QString className;
        QString objectName;
        QString title;
        bool scripted = false;
        int result = 0;
    };

    ScriptedModalRunner();
    ~ScriptedModalRunner() override;
    ScriptedModalRunner(const ScriptedModalRunner&) = delete;
    ScriptedModalRunner& operator=(const ScriptedModalRunner&) = delete;

    // Queues a script for the next dialog; the dialog must be a TDialog.
    template <typename TDialog = QDialog, typename Script> void expect(Script script) {
        fScripts.push_back([script](QDialog& dialog) mutable {
            auto* typed = dynamic_cast<TDialog*>(&dialog);
            if (!typed) {
                ADD_FAILURE() << "dialog " << dialog.metaObject()->className()
                              << " is not the expected " << typeid(TDialog).name();
                return;
            }
            script(*typed);
        });
    }

    int runModal(QWidget* dialog) override;

    std::size_t pending() const { return fScripts.size(); }
    // The object names (or class names) of the shown dialogs, in order.
    QStringList shownNames() const;

    QList<Shown> shown;

private:
    int RunScript(QDialog& dialog, const std::function<void(QDialog&)>& script);

    std::deque<std::function<void(QDialog&)>> fScripts;
    IModalRunner* fPrevious;
};
