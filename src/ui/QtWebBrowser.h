#pragma once
#include "platform/IWebBrowser.h"

// Opens web pages through the desktop's default browser. Reports failure
// when no opener can be started, or when the desktop's opener (xdg-open)
// ends with an error, as it does when it finds no browser.
class QtWebBrowser : public IWebBrowser {
public:
    bool openUrl(const QString& url) override;
};
