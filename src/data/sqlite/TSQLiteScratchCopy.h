#pragma once

// While one of these lives, the connections this process opens (on this
// thread) work on a private scratch copy of a data file, made only to be
// read: they read their file through a memory mapping instead of a read call
// per page (the copy is read several times over: copied, checked at
// start-up, loaded), they write it without waiting for the disk, since a
// copy lost to a crash is simply made again. The settings stay with the
// connections after this is gone; connections opened later are plain again.
class TSQLiteScratchCopy {
public:
    static constexpr const char* kPragmas = "PRAGMA mmap_size=1073741824; PRAGMA synchronous=OFF;";

    TSQLiteScratchCopy();
    ~TSQLiteScratchCopy();
    TSQLiteScratchCopy(const TSQLiteScratchCopy&) = delete;
    TSQLiteScratchCopy& operator=(const TSQLiteScratchCopy&) = delete;

    static bool Active();
};
