#pragma once
#include <QByteArray>
#include <QString>

// Whether the window path can open a window at all. Qt aborts the process when
// its platform finds no display, so the host asks first: without X11 or
// Wayland (DISPLAY, WAYLAND_DISPLAY) a window needs a platform chosen in
// QT_QPA_PLATFORM that draws elsewhere (offscreen, minimal, vnc, ...).
// Returns the message for the user, empty when a window can be opened.
QString MissingDisplayMessage(const QByteArray& qpaPlatform, const QByteArray& display,
                              const QByteArray& waylandDisplay);

// The same for this process's environment.
QString MissingDisplayMessage();
