#pragma once
#include <QStringList>
#include <QTimer>

// For tests that run a real event loop (exec() of a dialog or message box):
// every `timeoutMs` it closes whatever modal window or popup is still open,
// so a check that fails to close it never hangs the suite. Each window it had
// to close is reported as a test failure, unless expectToClose() was called.
// The default is far above any step of a test on a busy machine, so that a
// window the test is about to close is never taken for one left open.
class ModalWatchdog {
public:
    explicit ModalWatchdog(int timeoutMs = 30000);
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

    // Closing a window left open is the outcome the test wants.
    void expectToClose() { fExpected = true; }
    // "ClassName 'title'" of every window the watchdog closed.
    const QStringList& closed() const { return fClosed; }

private:
    void CloseLeftOpen();

    QTimer fTimer;
    QStringList fClosed;
    bool fExpected = false;
};
