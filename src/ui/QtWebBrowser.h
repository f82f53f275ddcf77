#pragma once
#include "platform/IWebBrowser.h"

// Opens web pages through the desktop's default browser.
class QtWebBrowser : public IWebBrowser {
public:
    bool openUrl(const QString& url) override;
};
