#pragma once
// Conversion of a data value token exactly as the C library's atof does in
// the "C" locale, whatever the process locale is.

#include <cstddef>

// A token is held in a buffer of this size before it is converted or stored,
// so a token keeps at most its first 127 bytes.
constexpr std::size_t kTokenBufferSize = 128;
constexpr std::size_t kMaxTokenBytes = kTokenBufferSize - 1;
using TokenBuffer = char[kTokenBufferSize];

// The value of the token of length bytes at p, cut to its first 127 bytes:
// bit for bit what atof gives for it in the "C" locale (0.0 when no prefix
// is a number). The bytes up to readableEnd (at least p + length) may be
// read, which lets a short token be read sixteen bytes at once; they do not
// change the value.
double ConvertToken(const char* p, std::size_t length, const char* readableEnd);

// ConvertToken for a token that is not just a short plain decimal (one that
// ReadShortDecimal refuses, or that goes on after the decimal it reads).
double ConvertOtherToken(const char* p, std::size_t length);

inline double ConvertToken(const char* p, std::size_t length)
{
    return ConvertToken(p, length, p + length);
}
