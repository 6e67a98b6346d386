#pragma once
// A tick as its label reads it: digits x 10^exponent, held exactly, so that a
// label is written from integers and never from a rounded double.

struct TickDecimal {
    long long digits = 0;
    int exponent = 0;
};

// 10^e for 0 <= e <= 308 (exact up to 10^22).
double PowerOfTen(int e);
// The double nearest the decimal: rounded once where the power of ten is exact;
// +0 for zero digits.
double DecimalValue(TickDecimal d);

// Division rounding down, for negative numbers too.
inline long long FloorDiv(long long a, long long b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}
