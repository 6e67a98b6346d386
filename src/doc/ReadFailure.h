#pragma once
// Why a data file could not be read.

#include <string>

enum class ReadError {
    None, CannotOpen, Empty, ShortRead, TooFewCells, TooLarge, NoMemory, NoNumbers, HeaderOnly, Utf16, Cancelled
};

struct ReadFailure {
    ReadError code = ReadError::None;
    std::string text;     // the reason in one English line, as the command line prints it
    int errorNumber = 0;  // CannotOpen: the system's error number
};
