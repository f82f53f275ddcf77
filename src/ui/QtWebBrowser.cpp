#include "ui/QtWebBrowser.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// How long the opener may take to say whether it found a browser. An opener
// still running by then has started a browser in its own foreground.
constexpr int kCzasNaOdpowiedzMs = 2000;

bool UruchomOtwieranie(const QString& program, const QUrl& adres) {
    // The process outlives the window that asked; its output goes where ours does.
    auto* proces = new QProcess(QCoreApplication::instance());
    proces->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(proces, &QProcess::finished, proces, &QObject::deleteLater);
    proces->start(program, {adres.toString(QUrl::FullyEncoded)});
    if (!proces->waitForStarted(kCzasNaOdpowiedzMs)) {
        delete proces;
        return false;
    }
    if (!proces->waitForFinished(kCzasNaOdpowiedzMs))
        return true;
    return proces->exitStatus() == QProcess::NormalExit && proces->exitCode() == 0;
}

} // namespace

bool QtWebBrowser::openUrl(const QString& url) {
    const QUrl address = QUrl::fromUserInput(url.trimmed());
    if (!address.isValid() || address.isEmpty())
        return false;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(address);
    return UruchomOtwieranie(opener, address);
}
