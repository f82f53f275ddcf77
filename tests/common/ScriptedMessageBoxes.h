#pragma once
#include "platform/IMessageBoxes.h"
#include "platform/Platform.h"

#include <QList>
#include <deque>

// Message boxes for tests: records every message and answers questions from
// a queue, then with `defaultAnswer`, or with the default button when
// `answerByEnter` is set. Installs itself for its lifetime.
class ScriptedMessageBoxes : public IMessageBoxes {
public:
    ScriptedMessageBoxes() : fPrevious(Platform::setMessageBoxes(this)) {}
    ~ScriptedMessageBoxes() override { Platform::setMessageBoxes(fPrevious); }

    TMessageResult show(const TMessage& message) override {
        messages.append(message);
        if (message.buttons == TMessageButtons::Ok)
            return TMessageResult::Ok;
        if (answers.empty() && answerByEnter)
            return message.defaultNo ? TMessageResult::No : TMessageResult::Yes;
        if (answers.empty())
            return defaultAnswer;
        const TMessageResult answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList texts() const {
        QStringList all;
        for (const auto& m : messages)
            all << m.text;
        return all;
    }

    QList<TMessage> messages;
    std::deque<TMessageResult> answers;
    TMessageResult defaultAnswer = TMessageResult::No;
    bool answerByEnter = false;

private:
    IMessageBoxes* fPrevious;
};
