#pragma once
// UTF-8 validation of a whole data file, which decides how its labels decode.

#include <cstddef>

// True when bytes[0..length) is well-formed UTF-8: no overlong forms, no
// surrogates, nothing above U+10FFFF, no truncated sequence.
bool IsValidUtf8(const char* bytes, std::size_t length);
