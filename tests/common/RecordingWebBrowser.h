#pragma once
#include "platform/IWebBrowser.h"
#include "platform/Platform.h"

#include <QStringList>

// Remembers the pages the code asked to open instead of opening them.
// Installs itself for its lifetime.
class RecordingWebBrowser : public IWebBrowser {
public:
    RecordingWebBrowser() : fPrevious(Platform::setWebBrowser(this)) {}
    ~RecordingWebBrowser() override { Platform::setWebBrowser(fPrevious); }
    bool openUrl(const QString& url) override {
        opened << url;
        return true;
    }
    QStringList opened;

private:
    IWebBrowser* fPrevious;
};
