#pragma once
// The text cut into chunks of a fixed size, which the threads count in turn
// (a line may run over several of them), and the counts joined into the
// text's shape and its pieces of whole lines, which the threads parse.

#include <cstddef>
#include <cstdint>
#include <vector>

class CReadProgress;

struct TextChunk {
    const char* begin = nullptr;
    const char* end = nullptr;
    char previous = '\n';   // the byte before begin ('\n' at the start of the text)
    // Filled by CountChunk:
    const char* textEnd = nullptr;        // end, or the first NUL in the chunk, which ends the whole text
    const char* firstLineEnd = nullptr;   // just after the first LF before textEnd (null when none)
    std::uint64_t lineEnds = 0;           // LFs before textEnd
    std::uint64_t headValues = 0;         // values before the first LF (all of them when there is none)
    std::uint64_t tailValues = 0;         // values after the last LF
    std::uint64_t widest = 0;             // most values of a line between two of the chunk's LFs
    bool endsLine = true;                 // textEnd ends a line (or the text is empty up to it)
    bool utf8 = true;                     // every byte of [begin, end) is well-formed UTF-8
};

// Chunks of chunkBytes (at least 1), each ended just before the first byte
// below 0x80 from there on, so that no character is cut; together exactly
// [begin, end), appended to chunks (which a caller keeps outside the map
// guard that the split runs under).
void SplitText(const char* begin, const char* end, std::size_t chunkBytes, std::vector<TextChunk>& chunks);

// The counting pass; false when the read was cancelled.
bool CountChunk(TextChunk& chunk, CReadProgress& progress);

// Lines of the text for the parsing pass: [begin, end) holds rows lines,
// the first of them row firstRow of the text.
struct LinePiece {
    const char* begin;
    const char* end;
    std::uint64_t firstRow;
    std::uint64_t rows;
};

struct TextLines {
    std::uint64_t rows = 0;     // lines, an unterminated last one included
    std::uint64_t widest = 0;   // the largest value count of a line
    std::vector<LinePiece> pieces;
};

// Joins the counts of the chunks up to the one whose NUL ends the text (the
// last one when none does): a piece begins at the first line start of each
// chunk that has one.
TextLines JoinCounts(const std::vector<TextChunk>& chunks);

// The counting pass with the portable population count, and with the
// processor's instruction where there is one; CountChunk takes the second
// when the processor has it. Both give the same counts.
bool CountChunkPortable(TextChunk& chunk, CReadProgress& progress);
bool CountChunkWithInstruction(TextChunk& chunk, CReadProgress& progress);
bool HasPopulationCountInstruction();
