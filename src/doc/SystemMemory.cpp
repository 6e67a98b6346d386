#include "doc/SystemMemory.h"

#include <charconv>
#include <cstdio>
#include <iterator>

std::uint64_t AvailableMemory()
{
    std::FILE* f = std::fopen("/proc/meminfo", "r");
    if (!f)
        return UINT64_MAX;
    std::uint64_t bytes = UINT64_MAX;
    char line[256];
    unsigned long long kb = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "MemAvailable: %llu kB", &kb) == 1) {
            bytes = std::uint64_t(kb) * 1024;
            break;
        }
    std::fclose(f);
    return bytes;
}

std::string FormatBytes(std::uint64_t bytes)
{
    static const char* const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    if (bytes < 1000)
        return std::to_string(bytes) + " bytes";
    double value = double(bytes) / 1000;
    std::size_t unit = 0;
    while (value >= 999.95 && unit + 1 < std::size(units)) {
        value /= 1000;
        ++unit;
    }
    char text[32];
    char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
    return std::string(text, end) + " " + units[unit];
}
