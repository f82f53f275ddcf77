#pragma once
#include "platform/IFileChooser.h"
#include "platform/Platform.h"

#include <QList>
#include <QString>
#include <deque>

// File choosers for tests: record every request and answer from a queue (an
// empty answer is a cancel; so is an empty queue). Installs itself for its
// lifetime.
class ScriptedFileChooser : public IFileChooser {
public:
    struct Request {
        bool save = false;
        QString caption;
        QString filter;
        QString suggestedName;
    };

    ScriptedFileChooser() : fPrevious(Platform::setFileChooser(this)) {}
    ~ScriptedFileChooser() override { Platform::setFileChooser(fPrevious); }

    QString chooseFileToOpen(const QString& caption, const QString& filter) override {
        requests.append({false, caption, filter, {}});
        return Next();
    }
    QString chooseFileToSave(const QString& caption, const QString& filter,
                             const QString& suggestedName) override {
        requests.append({true, caption, filter, suggestedName});
        return Next();
    }

    QList<Request> requests;
    std::deque<QString> answers;

private:
    QString Next() {
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    IFileChooser* fPrevious;
};
