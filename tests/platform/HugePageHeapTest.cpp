// While a HugePageHeap lives, the small allocations of a load land in memory
// the kernel backs with huge pages, where it offers them on request.
#include "platform/HugePageHeap.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QString ThpMode() {
    QFile file("/sys/kernel/mm/transparent_hugepage/enabled");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression chosen("\\[(\\w+)\\]");
    return chosen.match(QString::fromLatin1(file.readAll())).captured(1);
}

// The anonymous memory of this process in huge pages, in kB.
long AnonHugePagesKb() {
    QFile file("/proc/self/smaps_rollup");
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression line("AnonHugePages:\\s+(\\d+) kB");
    return line.match(QString::fromLatin1(file.readAll())).captured(1).toLong();
}

TEST(HugePageHeap, SmallAllocationsOfALoadLandInHugePages) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's allocator keeps a heap of its own";
#endif
    const QString mode = ThpMode();
    if (mode != "madvise" && mode != "always")
        GTEST_SKIP() << "transparent huge pages are not offered: " << mode.toStdString();
    const long before = AnonHugePagesKb();
    std::vector<std::unique_ptr<char[]>> records;
    {
        const HugePageHeap heap(64 << 20);
        for (int i = 0; i < 200000; ++i) {
            records.push_back(std::make_unique<char[]>(160));
            records.back()[0] = 1;
        }
    }
    EXPECT_GE(AnonHugePagesKb() - before, 8 * 1024) << "32 MB of records, at least four huge pages";
    // Freed and allocated again as usual once it is gone.
    records.clear();
    auto after = std::make_unique<char[]>(1 << 20);
    after[0] = 1;
}

} // namespace
