#include "common/ManualBackgroundWork.h"

#include <algorithm>

class ManualBackgroundWorker : public IBackgroundWorker {
public:
    ManualBackgroundWorker(ManualBackgroundWork& work, QObject* owner, const QString& name)
        : fWork(work), fOwner(owner), fName(name) {}
    ~ManualBackgroundWorker() override { fWork.forget(this); }

    bool start(Body body, Finish finish) override {
        if (fBusy)
            return false;
        fBusy = true;
        fStop = false;
        fWork.fStarted << fName;
        fWork.enqueue({this, std::move(body), std::move(finish)});
        return true;
    }
    bool isRunning() const override { return fBusy; }
    void requestStop() override { fStop = true; }
    void waitForBody() override {}

    ManualBackgroundWork& fWork;
    QPointer<QObject> fOwner;
    QString fName;
    std::atomic<bool> fStop{false};
    bool fBusy = false;
};

std::unique_ptr<IBackgroundWorker> ManualBackgroundWork::createWorker(QObject* owner,
                                                                      const QString& threadName) {
    return std::make_unique<ManualBackgroundWorker>(*this, owner, threadName);
}

void ManualBackgroundWork::enqueue(Queued queued) {
    if (fMode == Mode::Immediate)
        run(queued);
    else
        fQueue.push_back(std::move(queued));
}

void ManualBackgroundWork::forget(const ManualBackgroundWorker* worker) {
    fQueue.erase(std::remove_if(fQueue.begin(), fQueue.end(),
                                [worker](const Queued& q) { return q.worker == worker; }),
                 fQueue.end());
}

int ManualBackgroundWork::runAll() {
    int ran = 0;
    while (!fQueue.empty()) {
        Queued queued = std::move(fQueue.front());
        fQueue.pop_front();
        run(queued);
        ++ran;
    }
    return ran;
}

void ManualBackgroundWork::run(Queued& queued) {
    std::exception_ptr error;
    try {
        queued.body(queued.worker->fStop);
    } catch (...) {
        error = std::current_exception();
    }
    queued.worker->fBusy = false;
    if (queued.worker->fOwner)
        queued.finish(error);
}
