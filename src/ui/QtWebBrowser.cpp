#include "ui/QtWebBrowser.h"

#include <QDesktopServices>
#include <QUrl>

bool QtWebBrowser::openUrl(const QString& url) {
    const QUrl address = QUrl::fromUserInput(url.trimmed());
    if (!address.isValid() || address.isEmpty())
        return false;
    return QDesktopServices::openUrl(address);
}
