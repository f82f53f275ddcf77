#include "platform/ThreadBackgroundWork.h"
#include "common/ManualBackgroundWork.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QThread>
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace std::chrono_literals;

// Serves queued hand-overs until `done` or twenty seconds have passed.
bool Serve(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 20000);
}

// Waits on a worker thread, which serves no events, until `flag` is set or
// twenty seconds have passed.
void WaitFor(const std::atomic<bool>& flag) {
    QElapsedTimer timer;
    timer.start();
    while (!flag && timer.elapsed() < 20000)
        QThread::msleep(1);
}

TEST(ThreadBackgroundWorkTest, BodyRunsOffTheWindowThreadAndFinishComesBackWithItsError) {
    ThreadBackgroundWork work;
    QObject owner;
    auto worker = work.createWorker(&owner, "PobierzDaneZInternetu");
    QThread* bodyThread = nullptr;
    QString bodyThreadName;
    QThread* finishThread = nullptr;
    QString error = "not run";
    ASSERT_TRUE(worker->start(
        [&](const std::atomic<bool>&) {
            bodyThread = QThread::currentThread();
            bodyThreadName = bodyThread->objectName();
            throw std::runtime_error("Error in getting URL access: zły adres");
        },
        [&](std::exception_ptr e) {
            finishThread = QThread::currentThread();
            error = BackgroundErrorMessage(e);
        }));
    EXPECT_TRUE(Serve([&] { return finishThread != nullptr; }));
    EXPECT_NE(bodyThread, QThread::currentThread());
    EXPECT_EQ(bodyThreadName, "PobierzDaneZInternetu");
    EXPECT_EQ(finishThread, QThread::currentThread());
    EXPECT_EQ(error, "Error in getting URL access: zły adres");
    EXPECT_FALSE(worker->isRunning());

    // A body that ends normally hands over no error.
    bool finished = false;
    ASSERT_TRUE(worker->start([](const std::atomic<bool>&) {},
                              [&](std::exception_ptr e) { finished = !e; }));
    EXPECT_TRUE(Serve([&] { return finished; }));
}

TEST(ThreadBackgroundWorkTest, SecondStartIsIgnoredUntilTheFinishStepHasRun) {
    ThreadBackgroundWork work;
    QObject owner;
    auto worker = work.createWorker(&owner, "PobierzDaneZPliku");
    std::atomic<bool> release{false};
    int finishes = 0;
    ASSERT_TRUE(worker->start([&](const std::atomic<bool>&) { WaitFor(release); },
                              [&](std::exception_ptr) { ++finishes; }));
    EXPECT_TRUE(worker->isRunning());
    EXPECT_FALSE(worker->start([](const std::atomic<bool>&) {},
                               [&](std::exception_ptr) { finishes += 100; }));
    release = true;
    worker->waitForBody();
    // The body has ended, its finish step is still to come: still busy.
    EXPECT_TRUE(worker->isRunning());
    EXPECT_FALSE(worker->start([](const std::atomic<bool>&) {}, [](std::exception_ptr) {}));
    EXPECT_TRUE(Serve([&] { return finishes > 0; }));
    EXPECT_EQ(finishes, 1);
}

TEST(ThreadBackgroundWorkTest, FinishIsDroppedWhenTheOwnerOrTheWorkerIsGone) {
    ThreadBackgroundWork work;
    bool finished = false;
    auto owner = std::make_unique<QObject>();
    auto worker = work.createWorker(owner.get(), "w");
    ASSERT_TRUE(worker->start([](const std::atomic<bool>&) {},
                              [&](std::exception_ptr) { finished = true; }));
    worker->waitForBody();
    owner.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(finished);

    QObject owner2;
    auto worker2 = work.createWorker(&owner2, "w");
    ASSERT_TRUE(worker2->start([](const std::atomic<bool>&) {},
                               [&](std::exception_ptr) { finished = true; }));
    worker2.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(finished);
}

TEST(ThreadBackgroundWorkTest, DestroyingAWorkerAsksItsBodyToStopAndWaitsForIt) {
    ThreadBackgroundWork work;
    QObject owner;
    auto worker = work.createWorker(&owner, "w");
    std::atomic<bool> sawStop{false};
    std::atomic<bool> started{false};
    ASSERT_TRUE(worker->start(
        [&](const std::atomic<bool>& stop) {
            started = true;
            WaitFor(stop);
            QThread::msleep(20); // a body that takes a while to wind up
            sawStop = bool(stop);
        },
        [](std::exception_ptr) {}));
    WaitFor(started);
    worker.reset();
    EXPECT_TRUE(sawStop);
}

TEST(ManualBackgroundWorkTest, StartsWaitForRunAllAndKeepTheContract) {
    ManualBackgroundWork work;
    auto owner = std::make_unique<QObject>();
    auto worker = work.createWorker(owner.get(), "PobierzDaneZInternetu");
    QString error;
    ASSERT_TRUE(worker->start([](const std::atomic<bool>&) { throw std::runtime_error("zły"); },
                              [&](std::exception_ptr e) { error = BackgroundErrorMessage(e); }));
    EXPECT_FALSE(worker->start([](const std::atomic<bool>&) {}, [](std::exception_ptr) {}));
    EXPECT_EQ(work.pending(), 1);
    EXPECT_EQ(work.runAll(), 1);
    EXPECT_EQ(error, "zły");
    EXPECT_EQ(work.started(), QStringList{"PobierzDaneZInternetu"});

    bool finished = false;
    ASSERT_TRUE(worker->start([](const std::atomic<bool>&) {},
                              [&](std::exception_ptr) { finished = true; }));
    owner.reset();
    work.runAll();
    EXPECT_FALSE(finished);

    ManualBackgroundWork immediate(ManualBackgroundWork::Mode::Immediate);
    QObject owner2;
    auto worker2 = immediate.createWorker(&owner2, "w");
    ASSERT_TRUE(worker2->start([](const std::atomic<bool>&) {},
                               [&](std::exception_ptr) { finished = true; }));
    EXPECT_TRUE(finished);
    EXPECT_FALSE(worker2->isRunning());
}

} // namespace
