#include "platform/ThreadBackgroundWork.h"

#include <QObject>
#include <QPointer>
#include <QThread>

namespace {

// What one accepted start shares between the threads.
struct Job {
    IBackgroundWorker::Body body;
    IBackgroundWorker::Finish finish;
    std::exception_ptr error;
};

// The worker's state that a queued finish step may outlive: it holds a weak
// reference and drops the step once the worker is gone.
struct WorkerState {
    std::atomic<bool> stop{false};
    std::unique_ptr<QThread> thread;
    bool busy = false;
};

class ThreadBackgroundWorker : public IBackgroundWorker {
public:
    ThreadBackgroundWorker(QObject* owner, const QString& threadName)
        : fOwner(owner), fThreadName(threadName), fState(std::make_shared<WorkerState>()) {}

    ~ThreadBackgroundWorker() override {
        requestStop();
        waitForBody();
    }

    bool start(Body body, Finish finish) override {
        if (fState->busy || !fOwner)
            return false;
        waitForBody(); // the previous thread has ended; release it
        fState->stop = false;
        auto job = std::make_shared<Job>(Job{std::move(body), std::move(finish), nullptr});
        const std::atomic<bool>* stop = &fState->stop;
        std::unique_ptr<QThread> thread(QThread::create([job, stop] {
            try {
                job->body(*stop);
            } catch (...) {
                job->error = std::current_exception();
            }
        }));
        thread->setObjectName(fThreadName);
        std::weak_ptr<WorkerState> state = fState;
        QObject::connect(
            thread.get(), &QThread::finished, fOwner.data(),
            [state, job] {
                const std::shared_ptr<WorkerState> alive = state.lock();
                if (!alive)
                    return;
                alive->busy = false;
                job->finish(job->error);
            },
            Qt::QueuedConnection);
        fState->busy = true;
        fState->thread = std::move(thread);
        fState->thread->start();
        return true;
    }

    bool isRunning() const override { return fState->busy; }

    void requestStop() override { fState->stop = true; }

    void waitForBody() override {
        if (fState->thread) {
            fState->thread->wait();
            fState->thread.reset();
        }
    }

private:
    QPointer<QObject> fOwner;
    QString fThreadName;
    std::shared_ptr<WorkerState> fState;
};

} // namespace

std::unique_ptr<IBackgroundWorker> ThreadBackgroundWork::createWorker(QObject* owner,
                                                                      const QString& threadName) {
    return std::make_unique<ThreadBackgroundWorker>(owner, threadName);
}
