#pragma once
// Background work for tests, run deterministically on the test's own thread.
//
//     ManualBackgroundWork work;                 // Manual: starts wait for runAll()
//     IBackgroundWork* previous = Platform::setBackgroundWork(&work);
//     ... the window starts its worker ...       // the body is queued, nothing runs
//     EXPECT_EQ(work.pending(), 1);
//     work.runAll();                             // body, then finish step, in start order
//     Platform::setBackgroundWork(previous);
//
// With Mode::Immediate a start runs its body and its finish step before
// start() returns. The finish step keeps the contract of the real service:
// it gets the body's error, and it is dropped when its owner has been
// destroyed; a worker destroyed with a start still queued drops it (body
// included). The service must outlive the workers it made.
#include "platform/IBackgroundWork.h"

#include <QPointer>
#include <QStringList>
#include <deque>

class ManualBackgroundWork : public IBackgroundWork {
public:
    enum class Mode { Manual, Immediate };
    explicit ManualBackgroundWork(Mode mode = Mode::Manual) : fMode(mode) {}

    std::unique_ptr<IBackgroundWorker> createWorker(QObject* owner,
                                                    const QString& threadName) override;

    // Runs the queued starts (those queued meanwhile too); returns how many ran.
    int runAll();
    // Starts accepted and not yet run.
    int pending() const { return static_cast<int>(fQueue.size()); }
    // The thread name of every accepted start, in order.
    const QStringList& started() const { return fStarted; }

private:
    friend class ManualBackgroundWorker;
    struct Queued {
        class ManualBackgroundWorker* worker;
        IBackgroundWorker::Body body;
        IBackgroundWorker::Finish finish;
    };
    void enqueue(Queued queued);
    void forget(const ManualBackgroundWorker* worker);
    static void run(Queued& queued);

    Mode fMode;
    std::deque<Queued> fQueue;
    QStringList fStarted;
};
