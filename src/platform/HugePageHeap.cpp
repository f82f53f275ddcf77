#include "HugePageHeap.h"

#include <cstdint>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
// glibc's own starting values of the two thresholds.
constexpr int kMmapThreshold = 128 * 1024;
constexpr int kTrimThreshold = 128 * 1024;
// Less than this is not worth fixing the thresholds for.
constexpr size_t kLeast = 4 * kHugePage;
constexpr size_t kMost = size_t{1} << 30;

} // namespace

HugePageHeap::HugePageHeap(size_t bytes) {
#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
    if (bytes < kLeast)
        return;
    if (bytes > kMost)
        bytes = kMost;
    // The block comes from the heap itself (not from a mapping of its own),
    // and its room stays in the heap once it is freed.
    mallopt(M_TRIM_THRESHOLD, INT32_MAX);
    mallopt(M_MMAP_MAX, 0);
    void* block = std::malloc(bytes + kHugePage);
    mallopt(M_MMAP_MAX, 65536);
    mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
    if (!block) {
        mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
        return;
    }
    const auto start = (reinterpret_cast<uintptr_t>(block) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<uintptr_t>(block) + bytes + kHugePage) & ~(kHugePage - 1);
    if (end > start)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    std::free(block);
    fReserved = true;
#else
    (void)bytes;
#endif
}

HugePageHeap::~HugePageHeap() {
#ifdef __GLIBC__
    if (fReserved)
        mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
#endif
}
