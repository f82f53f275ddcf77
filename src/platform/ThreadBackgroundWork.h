#pragma once
#include "platform/IBackgroundWork.h"

// Background work on threads (QThread, Qt Core only): each start runs its
// body on a new thread named after the worker; the finish step is queued to
// the owner's thread when the thread has ended. The default service.
class ThreadBackgroundWork : public IBackgroundWork {
public:
    std::unique_ptr<IBackgroundWorker> createWorker(QObject* owner,
                                                    const QString& threadName) override;
};
