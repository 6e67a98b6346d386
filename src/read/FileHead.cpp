#include "read/FileHead.h"

#include "read/ImportBody.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

// Reads a block onto head; false at the end of the file or on an error.
bool ReadBlock(int fd, std::string& head, std::size_t& lineEnds)
{
    char block[1 << 16];
    ssize_t n;
    do
        n = read(fd, block, sizeof block);
    while (n < 0 && errno == EINTR);
    if (n <= 0)
        return false;
    head.append(block, std::size_t(n));
    lineEnds += std::size_t(std::count_if(block, block + n, [](char c) { return c == '\n' || c == '\r'; }));
    return true;
}

} // namespace

std::string ReadFileHead(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::string head;
    std::size_t lineEnds = 0, last = std::string::npos;
    bool whole = false;
    while (head.size() < kHeadLimit && (last == std::string::npos || last < kDetectionWindow || lineEnds < kHeadLines)) {
        whole = !ReadBlock(fd, head, lineEnds);
        if (whole)
            break;
        last = head.find_last_of("\r\n");
    }
    close(fd);
    if (!whole && last != std::string::npos)
        head.resize(last + 1);
    return head;
}
