#include "read/FileHead.h"

#include "read/ImportBody.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Reads a block onto head, counting its line ends and keeping where the last
// one is; false at the end of the file or on an error. Only the new block is
// looked at: a first line of megabytes is read in one pass.
bool ReadBlock(int fd, std::string& head, std::size_t& lineEnds, std::size_t& last)
{
    char block[1 << 16];
    ssize_t n;
    do
        n = read(fd, block, sizeof block);
    while (n < 0 && errno == EINTR);
    if (n <= 0)
        return false;
    for (ssize_t i = 0; i < n; ++i) {
        if (block[i] == '\n' || block[i] == '\r') {
            ++lineEnds;
            last = head.size() + std::size_t(i);
        }
    }
    head.append(block, std::size_t(n));
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
        whole = !ReadBlock(fd, head, lineEnds, last);
        if (whole)
            break;
    }
    close(fd);
    if (!whole && last != std::string::npos)
        head.resize(last + 1);
    return head;
}
