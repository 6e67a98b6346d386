#pragma once
// Conversion of a data value token exactly as the C library's atof does in
// the "C" locale, whatever the process locale is.

#include <cstddef>

// Every token is copied into a buffer of this size before it is converted
// or stored, so a token keeps at most its first 127 bytes.
constexpr std::size_t kTokenBufferSize = 128;
using TokenBuffer = char[kTokenBufferSize];

// token holds the token NUL-terminated at token[length] (length < 128), and
// all its bytes are initialised. Returns bit for bit what strtod gives for it
// in the "C" locale (0.0 when no prefix is a number).
double AtofC(const TokenBuffer& token, std::size_t length);
