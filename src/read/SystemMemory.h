#pragma once
// The memory the system can give a new allocation without swapping.

#include <cstdint>
#include <string>

// The bytes a new allocation can take: the least of MemAvailable of
// /proc/meminfo, the headroom below the address-space limit (ulimit -v) and
// the headroom below the memory limit of the process's control group (a
// container's or a login session's); UINT64_MAX when none can be read.
std::uint64_t AvailableMemory();

// A byte count for a message: "512 bytes", "1.5 KB", "3.2 GB" (powers of 1000).
std::string FormatBytes(std::uint64_t bytes);
