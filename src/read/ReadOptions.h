#pragma once
// How a data file is read: progress and cancel, threads and chunks, and the
// memory the matrix may take. The defaults suit every caller; tests and
// benchmarks change them.

#include <cstddef>
#include <cstdint>

class CReadProgress;

// Converts one value token of length bytes at p (length at most 127).
using ValueConverter = double (*)(const char* p, std::size_t length);

struct ReadOptions {
    // Progress and cancel; null: nobody watches, and a stream is read with
    // plain blocking calls (as cat does).
    CReadProgress* progress = nullptr;
    // Reading threads; 0: one per core.
    unsigned threads = 0;
    // The threads count the text in chunks of about this size, then parse
    // the whole lines that begin in each.
    std::size_t chunkBytes = std::size_t(4) << 20;
    // Bytes of memory the matrix and labels may take; 0: what the system
    // says is available.
    std::uint64_t availableMemory = 0;
    // Value conversion; null: ConvertToken (another one only to measure the reader).
    ValueConverter convert = nullptr;
    // The lines appended to a file read before: a few cells are enough.
    bool appended = false;
    // Leave the mark of where the read stopped (ReadOutcome::mark), for a
    // window that may follow the file; a command line has no use for it.
    bool markEnd = false;
};
