#pragma once
#include <QString>

// Opens a web page in the user's default browser.
class IWebBrowser {
public:
    virtual ~IWebBrowser() = default;
    virtual bool openUrl(const QString& url) = 0;
};
