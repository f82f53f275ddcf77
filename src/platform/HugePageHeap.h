#pragma once
#include <cstddef>

// Reading a large data file fills the heap with many small records and
// texts: tens of megabytes of fresh memory, one page fault per 4 KB page.
// Where page faults are dear (virtual machines above all) they cost more
// than the reading itself. While one of these is alive, the heap grows into
// memory marked for transparent huge pages, 2 MB per fault, where the system
// offers them on request (THP "madvise" or "always"); elsewhere it changes
// nothing but the order in which the heap grows.
//
// It grows the heap by `bytes` ahead of the allocations to come (address
// space only: nothing is touched) and keeps that room from being given back
// before it is used. Once it is gone, the heap is trimmed as usual again.
// For a process that loads once and ends soon after (the command-line
// tools): fixing the allocator's thresholds stops their adjustment to the
// program's later allocations.
class HugePageHeap {
public:
    // Room to reserve per byte of a data file about to be read: its records
    // take about twice its bytes (texts in UTF-16).
    static constexpr size_t kPerFileByte = 3;

    explicit HugePageHeap(size_t bytes);
    ~HugePageHeap();
    HugePageHeap(const HugePageHeap&) = delete;
    HugePageHeap& operator=(const HugePageHeap&) = delete;

private:
    bool fReserved = false;
};
