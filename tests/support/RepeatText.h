#pragma once
// A text made of n copies of s, for tests that need long or many lines.

#include <string>

inline std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}
