#pragma once
#include "platform/IWebBrowser.h"
#include "platform/Platform.h"

#include <QStringList>

// A browser for tests: records the pages the code asked to open and answers
// with `opens` whether it opened them. Installs itself for its lifetime.
class ScriptedWebBrowser : public IWebBrowser {
public:
    ScriptedWebBrowser() : fPrevious(Platform::setWebBrowser(this)) {}
    ~ScriptedWebBrowser() override { Platform::setWebBrowser(fPrevious); }

    bool openUrl(const QString& url) override {
        urls.append(url);
        return opens;
    }

    QStringList urls;
    bool opens = true;

private:
    IWebBrowser* fPrevious;
};
