#include "read/SystemMemory.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/resource.h>

namespace {

// The number after key on a line of a /proc file ("MemAvailable:   123 kB"),
// times unit; UINT64_MAX when there is none.
std::uint64_t ProcValue(const char* path, const std::string& key, std::uint64_t unit)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        unsigned long long value = 0;
        const std::size_t at = line.find_first_not_of(" \t", key.size());
        if (at != std::string::npos && std::from_chars(line.c_str() + at, line.c_str() + line.size(), value).ec == std::errc())
            return std::uint64_t(value) * unit;
    }
    return UINT64_MAX;
}

// A whole number in a file of its own ("max" is no limit); UINT64_MAX when none.
std::uint64_t FileNumber(const std::string& path)
{
    std::ifstream in(path);
    unsigned long long value = 0;
    return in >> value ? std::uint64_t(value) : UINT64_MAX;
}

// What is left below the address space's limit.
std::uint64_t AddressSpaceHeadroom()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return UINT64_MAX;
    const std::uint64_t used = ProcValue("/proc/self/status", "VmSize:", 1024);
    return used == UINT64_MAX || used >= limit.rlim_cur ? 0 : std::uint64_t(limit.rlim_cur) - used;
}

// The memory files of a control group hierarchy: version 2, or version 1's memory controller.
struct GroupFiles {
    const char* root;
    const char* limit;
    const char* usage;
};
constexpr GroupFiles kGroupsV2{"/sys/fs/cgroup", "/memory.max", "/memory.current"};
constexpr GroupFiles kGroupsV1{"/sys/fs/cgroup/memory", "/memory.limit_in_bytes", "/memory.usage_in_bytes"};

// The hierarchy of a line of /proc/self/cgroup ("0::/path" or "4:memory:/path").
const GroupFiles* FilesOf(const std::string& line, std::string& group)
{
    const std::size_t first = line.find(':'), second = line.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos)
        return nullptr;
    const std::string controllers = "," + line.substr(first + 1, second - first - 1) + ",";
    group = line.substr(second + 1);
    if (controllers == ",," && line.compare(0, first, "0") == 0)
        return &kGroupsV2;
    return controllers.find(",memory,") != std::string::npos ? &kGroupsV1 : nullptr;
}

// What is left below the limit of group and of every group above it; a limit
// of 2^62 or more is none.
std::uint64_t GroupHeadroom(const GroupFiles& files, std::string group)
{
    std::uint64_t headroom = UINT64_MAX;
    for (;;) {
        const std::string dir = files.root + (group == "/" ? std::string() : group);
        const std::uint64_t limit = FileNumber(dir + files.limit);
        const std::uint64_t usage = FileNumber(dir + files.usage);
        if (limit < (std::uint64_t(1) << 62) && usage != UINT64_MAX)
            headroom = std::min(headroom, limit > usage ? limit - usage : 0);
        const std::size_t slash = group.find_last_of('/');
        if (group == "/" || slash == std::string::npos)
            return headroom;
        group.erase(slash == 0 ? 1 : slash);
    }
}

// What is left below the memory limit of the process's control groups (a
// container's or a login session's).
std::uint64_t ControlGroupHeadroom()
{
    std::ifstream in("/proc/self/cgroup");
    std::string line, group;
    std::uint64_t headroom = UINT64_MAX;
    while (std::getline(in, line)) {
        if (const GroupFiles* files = FilesOf(line, group))
            headroom = std::min(headroom, GroupHeadroom(*files, group));
    }
    return headroom;
}

}  // namespace

std::uint64_t AvailableMemory()
{
    return std::min({ProcValue("/proc/meminfo", "MemAvailable:", 1024), AddressSpaceHeadroom(), ControlGroupHeadroom()});
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
