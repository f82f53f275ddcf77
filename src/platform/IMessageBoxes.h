#pragma once
#include <QString>

enum class TMessageIcon { Error, Warning, Information, Question };
enum class TMessageButtons { Ok, YesNo };
enum class TMessageResult { Ok, Yes, No, Cancel };

// A modal message box as the user sees it. Texts keep their "\r" line breaks;
// the implementation that draws them turns those into line breaks on screen.
struct TMessage {
    QString caption;
    QString text;
    TMessageIcon icon = TMessageIcon::Information;
    TMessageButtons buttons = TMessageButtons::Ok;
    // For a question whose "Yes" destroys something: "No" is the default
    // button, so that a stray Enter keeps the data.
    bool defaultNo = false;
};

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual TMessageResult show(const TMessage& message) = 0;
};
