#pragma once
// Background work for windows: a body that runs off the window thread, then a
// finish step that runs back on the window thread with the body's error.
//
// How a window uses it (one worker per kind of job, created when the window
// is built, destroyed with it):
//
//     fWorker = Platform::backgroundWork().createWorker(this, "PobierzDaneZInternetu");
//     ...
//     const bool started = fWorker->start(
//         [url, path](const std::atomic<bool>& stop) {      // worker thread
//             PobierzPlikZInternetu(url, path, &stop);
//         },
//         [this](std::exception_ptr error) {                  // window thread
//             if (error)
//                 PokazBlad(BackgroundErrorMessage(error));
//             ... take the results over ...
//         });
//
// Rules for the body: it gets copies of what it reads (set before start and
// left alone while it runs), it never touches widgets or the collections, it
// reads no Platform service (services are installed before any worker starts
// and are not swapped while one runs), and it never waits for the window
// thread. It may look at `stop` and end early when it is set.
//
// Rules for the finish step: it runs on the thread of the owner given to
// createWorker, after the body has ended, exactly once per accepted start;
// an error that left the body (any exception) is handed to it, null when the
// body ended normally. It does not run when the owner (a QObject) has been
// destroyed by then, nor once the worker itself has been destroyed.
#include <QString>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>

class QObject;

// One worker: at most one body at a time.
class IBackgroundWorker {
public:
    using Body = std::function<void(const std::atomic<bool>& stop)>;
    using Finish = std::function<void(std::exception_ptr error)>;

    // Destroying a worker asks its body to stop, waits until the body has
    // ended and drops the finish step that has not run yet.
    virtual ~IBackgroundWorker() = default;

    // Starts `body` off the window thread and clears the stop request; false,
    // and nothing happens, while an earlier start is still busy (its body
    // runs or its finish step has not run yet).
    virtual bool start(Body body, Finish finish) = 0;
    // Whether a start is busy: body running or finish step still to come.
    virtual bool isRunning() const = 0;
    // Sets the `stop` flag the running body sees; the body decides when to end.
    virtual void requestStop() = 0;
    // Blocks until no body of this worker runs (the finish step is not run).
    virtual void waitForBody() = 0;
};

// The platform service that makes workers (Platform::backgroundWork()).
class IBackgroundWork {
public:
    virtual ~IBackgroundWork() = default;
    // A worker whose finish steps run on the thread of `owner` while the owner
    // lives; `threadName` names its threads (for debuggers and tests).
    virtual std::unique_ptr<IBackgroundWorker> createWorker(QObject* owner,
                                                            const QString& threadName) = 0;
};

// The message of an error handed to a finish step, as the user reads it: an
// exception's what() as UTF-8 (the system's own errors carry their message
// there), "Nieznany błąd" for anything else, empty for no error.
QString BackgroundErrorMessage(const std::exception_ptr& error);
