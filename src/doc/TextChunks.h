#pragma once
// The text cut into chunks at line starts, so that each chunk holds whole
// lines and the threads can take them in turn, and the counting pass over one
// chunk: its rows, its widest line, the NUL that ends the text, and whether
// its bytes are valid UTF-8.

#include <cstddef>
#include <cstdint>
#include <vector>

class CReadProgress;

struct TextChunk {
    const char* begin = nullptr;
    const char* end = nullptr;
    // Filled by CountChunk:
    const char* textEnd = nullptr;   // end, or the first NUL in the chunk, which ends the whole text
    std::uint64_t rows = 0;          // lines up to textEnd, an unterminated last one included
    std::uint64_t widest = 0;        // the largest value count of those lines
    bool utf8 = true;                // every byte of [begin, end) is well-formed UTF-8
};

// Chunks of at least chunkBytes (but the last), each ending just after an LF
// (but the last), together exactly [begin, end), appended to chunks (which a
// caller keeps outside the map guard that the split runs under).
void SplitAtLineStarts(const char* begin, const char* end, std::size_t chunkBytes, std::vector<TextChunk>& chunks);

// The counting pass; false when the read was cancelled.
bool CountChunk(TextChunk& chunk, CReadProgress& progress);
