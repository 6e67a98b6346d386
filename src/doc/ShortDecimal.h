#pragma once
// The plain decimal "[-]digits[.digits]" of at most 15 digits that most cells
// of data files hold, read from 16 bytes at once: where it ends and its value,
// without a branch per byte.

// Reads the decimal at p (point: the decimal separator). Its value is the
// correctly rounded one, the same as fast_float gives; stop is the first
// byte after it. False for anything else, and when fewer than 16 bytes
// follow the sign: those are left to fast_float.
bool ReadShortDecimal(const char* p, const char* end, char point, double& value, const char*& stop);
