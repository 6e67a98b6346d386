#pragma once
// The bytes of a data file as one contiguous view, never copied twice: a
// regular file is mapped; standard input, pipes, FIFOs and other streams,
// which cannot be mapped, are read to their end into one growing buffer.

#include "read/ReadFailure.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CReadProgress;

class CTextSource {
public:
    CTextSource() = default;
    CTextSource(const CTextSource&) = delete;
    CTextSource& operator=(const CTextSource&) = delete;
    ~CTextSource();

    // Opens path ("-": standard input) and takes in its bytes. With a
    // progress, the wait for a stream's writer and bytes can be cancelled;
    // without one it blocks until the writer is done, as cat does. A stream
    // longer than memoryLimit bytes is refused.
    bool Open(const std::string& path, CReadProgress* progress, std::uint64_t memoryLimit, ReadFailure& error);

    std::string_view Text() const { return {m_pBytes + m_nOffset, m_nLength}; }
    // True when the text is a mapped file (which may shrink under the reader).
    bool IsMapped() const { return m_bMappedFile; }
    // For a mapped file: its device and inode, which tell whether a file of
    // the same name later is still the same file.
    std::uint64_t Device() const { return m_nDevice; }
    std::uint64_t Inode() const { return m_nInode; }

private:
    char* m_pBytes = nullptr;
    std::size_t m_nMapped = 0;    // bytes of the mapping, file or buffer
    std::size_t m_nOffset = 0;    // where the text starts in the mapping
    std::size_t m_nLength = 0;    // bytes of text
    bool m_bMappedFile = false;
    std::uint64_t m_nDevice = 0;
    std::uint64_t m_nInode = 0;

    void Release();
    bool Take(int fd, CReadProgress* progress, std::uint64_t memoryLimit, ReadFailure& error);
    bool Map(int fd, std::size_t size);
    bool ReadStream(int fd, CReadProgress* progress, std::uint64_t memoryLimit, ReadFailure& error);
    bool Grow(std::uint64_t memoryLimit, ReadFailure& error);
};
