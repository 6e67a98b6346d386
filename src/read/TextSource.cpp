#include "read/TextSource.h"

#include "read/ReadProgress.h"
#include "read/SystemMemory.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A stream's buffer starts at this size and doubles.
constexpr std::size_t kFirstBuffer = std::size_t(1) << 20;
// While a stream waits for its writer, the cancel flag is checked this often.
constexpr int kPollMilliseconds = 50;

ReadFailure CannotOpen(int errorNumber)
{
    return {ReadError::CannotOpen, std::string("cannot open: ") + std::strerror(errorNumber), errorNumber};
}

// Waits until fd has bytes or its end; false when the read was cancelled first.
bool WaitReadable(int fd, CReadProgress* progress)
{
    pollfd request{fd, POLLIN, 0};
    while (poll(&request, 1, progress ? kPollMilliseconds : -1) <= 0 || !request.revents)
        if (progress && progress->IsCancelled())
            return false;
    return true;
}

} // namespace

CTextSource::~CTextSource()
{
    Release();
}

void CTextSource::Release()
{
    if (m_pBytes)
        munmap(m_pBytes, m_nMapped);
    m_pBytes = nullptr;
    m_nMapped = m_nOffset = m_nLength = 0;
    m_bMappedFile = false;
}

bool CTextSource::Open(const std::string& path, CReadProgress* progress, std::uint64_t memoryLimit,
                       ReadFailure& error)
{
    Release();
    if (path == "-")
        return Take(STDIN_FILENO, progress, memoryLimit, error);
    // Without O_NONBLOCK a FIFO's open waits for a writer, and nothing could cancel that wait.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | (progress ? O_NONBLOCK : 0));
    if (fd < 0) {
        error = CannotOpen(errno);
        return false;
    }
    const bool ok = Take(fd, progress, memoryLimit, error);
    close(fd);
    return ok;
}

bool CTextSource::Take(int fd, CReadProgress* progress, std::uint64_t memoryLimit, ReadFailure& error)
{
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        error = CannotOpen(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = CannotOpen(EISDIR);
        return false;
    }
    // A regular file of size 0 may still have bytes (a file of /proc): it is read as a stream.
    if (S_ISREG(st.st_mode) && st.st_size > 0 && Map(fd, std::size_t(st.st_size))) {
        m_nDevice = std::uint64_t(st.st_dev);
        m_nInode = std::uint64_t(st.st_ino);
        if (progress)
            progress->SetBytesIn(m_nLength);
        return true;
    }
    return ReadStream(fd, progress, memoryLimit, error);
}

// Maps the file, from where fd stands (standard input may have been read
// from already) to its end.
bool CTextSource::Map(int fd, std::size_t size)
{
    void* bytes = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (bytes == MAP_FAILED)
        return false;   // read as a stream instead
    m_pBytes = static_cast<char*>(bytes);
    m_nMapped = size;
    m_nOffset = std::min(size, std::size_t(std::max<off_t>(lseek(fd, 0, SEEK_CUR), 0)));
    m_nLength = size - m_nOffset;
    m_bMappedFile = true;
    return true;
}

bool CTextSource::ReadStream(int fd, CReadProgress* progress, std::uint64_t memoryLimit, ReadFailure& error)
{
    for (;;) {
        if (m_nLength == m_nMapped && !Grow(memoryLimit, error))
            return false;
        if (!WaitReadable(fd, progress) || (progress && progress->IsCancelled())) {
            error = CancelledRead();
            return false;
        }
        const ssize_t n = read(fd, m_pBytes + m_nLength, m_nMapped - m_nLength);
        if (n == 0)
            return true;
        if (n > 0) {
            m_nLength += std::size_t(n);
            if (progress)
                progress->SetBytesIn(m_nLength);
        } else if (errno != EINTR && errno != EAGAIN) {
            error = {ReadError::ShortRead, std::string("the file could not be read completely: ") + std::strerror(errno)};
            return false;
        }
    }
}

// Doubles the stream's buffer (moving its pages, not copying them), up to
// the memory limit.
bool CTextSource::Grow(std::uint64_t memoryLimit, ReadFailure& error)
{
    const std::uint64_t next = std::min<std::uint64_t>(m_nMapped ? 2 * std::uint64_t(m_nMapped) : kFirstBuffer,
                                                       memoryLimit);
    void* bytes = MAP_FAILED;
    if (next > m_nMapped)
        bytes = m_pBytes ? mremap(m_pBytes, m_nMapped, std::size_t(next), MREMAP_MAYMOVE)
                         : mmap(nullptr, std::size_t(next), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (bytes == MAP_FAILED) {
        error = {ReadError::NoMemory, "not enough memory for the input (more than " + FormatBytes(m_nLength) + ")"};
        return false;
    }
    m_pBytes = static_cast<char*>(bytes);
    m_nMapped = std::size_t(next);
    return true;
}
