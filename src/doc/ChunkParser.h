#pragma once
// The parsing pass over one chunk of whole lines, in one go: each line's
// label and values into its row of the matrix, the cells a short line does
// not supply set to 0.0, and the range of the finite values.

#include "doc/ReadOptions.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

class CReadProgress;

// Progress counts a byte parsed as this many bytes counted: parsing takes
// about that much longer than counting.
constexpr std::uint64_t kParseWork = 8;

// Smallest and largest finite value, each the first of its value in storage
// order; min > max when there is none.
struct ValueRange {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();

    // Takes in the values that follow the ones already in the range.
    void Add(double v)
    {
        if (!std::isfinite(v))
            return;
        if (v < min)
            min = v;
        if (v > max)
            max = v;
    }
    void Add(const ValueRange& next);
};

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
