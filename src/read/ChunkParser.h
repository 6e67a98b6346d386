#pragma once
// The parsing pass over one chunk of whole lines, in one go: each line's
// label and values into its row of the matrix, the cells a short line does
// not supply set to 0.0, and the range of the finite values.

#include "doc/ValueRange.h"
#include "read/ReadOptions.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

class CReadProgress;

// Progress counts a byte parsed as this many bytes counted: parsing takes
// about that much longer than counting.
constexpr std::uint64_t kParseWork = 8;

// Where a chunk's rows go.
struct ChunkRows {
    double* data;            // its first row
    std::string* labels;     // its first label
    std::uint64_t rows;      // as counted
    std::size_t cols;        // of the whole matrix
};

// Parses [begin, end), which the count found to hold out.rows lines of at
// most out.cols values, into out. False when the read was cancelled.
bool ParseChunk(const char* begin, const char* end, const ChunkRows& out, ValueConverter convert,
                CReadProgress& progress, ValueRange& range);
