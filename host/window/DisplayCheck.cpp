#include "window/DisplayCheck.h"

namespace {

const char* const kNoDisplay =
    "Brak ekranu: nie ustawiono DISPLAY ani WAYLAND_DISPLAY, więc okno programu nie może "
    "zostać otwarte. Uruchom program w sesji graficznej, pod xvfb-run albo z "
    "QT_QPA_PLATFORM=offscreen.";

// The platform's name without its options ("offscreen:configfile=x" -> "offscreen").
QByteArray PlatformName(const QByteArray& qpaPlatform) {
    const int colon = qpaPlatform.indexOf(':');
    return (colon < 0 ? qpaPlatform : qpaPlatform.left(colon)).trimmed();
}

} // namespace

QString MissingDisplayMessage(const QByteArray& qpaPlatform, const QByteArray& display,
                              const QByteArray& waylandDisplay) {
    const QByteArray platform = PlatformName(qpaPlatform);
    const bool x11 = platform.isEmpty() || platform == "xcb";
    const bool wayland = platform.isEmpty() || platform.startsWith("wayland");
    if (!x11 && !wayland)
        return {};
    if ((x11 && !display.isEmpty()) || (wayland && !waylandDisplay.isEmpty()))
        return {};
    return QString::fromUtf8(kNoDisplay);
}

QString MissingDisplayMessage() {
    return MissingDisplayMessage(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                 qgetenv("WAYLAND_DISPLAY"));
}
