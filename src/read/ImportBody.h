#pragma once
// The part of a text that the importer reads, and how its lines end.

#include <cstddef>
#include <string_view>

// How much of a text detection looks at, at the most.
constexpr std::size_t kDetectionWindow = 64 * 1024;

enum class LineEnd { Lf, CrLf, Cr };

struct ImportBody {
    const char* text = nullptr;    // the whole text after a UTF-8 byte-order mark
    const char* begin = nullptr;   // after the lines to skip
    const char* end = nullptr;
    LineEnd lineEnd = LineEnd::Lf;
    char eol = '\n';               // the byte that ends a line: CR in a file of CR-only line ends

    // The first line end of the text decides how all its lines end; skip
    // lines are passed over, and so are the quotes of a first line skipped
    // or beginning with comment. A byte-order mark is one only at the start
    // of a file (fileStart), not of lines appended to it.
    static ImportBody Of(std::string_view text, int skip, char comment, bool fileStart = true);

    // The 1-based line number of the line that p lies in.
    long long LineOf(const char* p) const;
};
