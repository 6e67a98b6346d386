#pragma once
// Why a data file could not be read.

#include <cstdint>
#include <string>

enum class ReadError {
    None, CannotOpen, Empty, ShortRead, TooFewCells, TooLarge, NoMemory, NoNumbers, HeaderOnly, Utf16, Cancelled,
    NoSuchColumn,   // a column to read or to take as x that the file does not have
    NoXValues,      // the column to take as x holds no number or date-time
    NoSuchRow,      // the row to take as x is not there or holds no number
};

struct ReadFailure {
    ReadError code = ReadError::None;
    std::string text;     // the reason in one English line, as the command line prints it
    int errorNumber = 0;  // CannotOpen: the system's error number
    // TooLarge and NoMemory: the shape of the matrix that was refused.
    std::uint64_t rows = 0;
    std::uint64_t cols = 0;
    // NoSuchColumn, NoXValues, NoSuchRow: the column or row as the options name it.
    std::string subject{};
};

// What every read says when it was cancelled.
inline ReadFailure CancelledRead()
{
    return {ReadError::Cancelled, "the read was cancelled"};
}
