#pragma once
// The memory the system can give a new allocation without swapping.

#include <cstdint>
#include <string>

// MemAvailable of /proc/meminfo in bytes; UINT64_MAX when it cannot be read.
std::uint64_t AvailableMemory();

// A byte count for a message: "512 bytes", "1.5 KB", "3.2 GB" (powers of 1000).
std::string FormatBytes(std::uint64_t bytes);
