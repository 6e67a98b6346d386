#pragma once
// Where a read of a regular file stopped, so that a file that only grew can
// be read by its new lines: the file's identity, the end of its last whole
// line, the bytes before that end (which must not have changed), how new
// lines are read and what the data keeps of its own.

#include "doc/DocDataAppend.h"
#include "read/ImportOptions.h"
#include "read/Importer.h"
#include "read/ReadOptions.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CDocData;
class CTextSource;

struct ReadMark {
    bool appendable = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t end = 0;                 // after the last line end read
    std::string tail;                      // the bytes before end, at most kTailBytes
    std::optional<ImportOptions> import;   // appended lines imported with these, else the default reader's
    KeptData kept;                         // the data's rows (columns) that whole lines gave
    bool utf8 = false;                     // the bytes up to end are valid UTF-8
    bool crlf = false;                     // an import's lines end in CR LF (the first line decided)

    static constexpr std::size_t kTailBytes = 64;
};

// The options of an import as the lines appended to its file are read: no
// header, nothing skipped, the roles found kept; none when appended lines
// cannot be read alone (columns picked by name, labels of columns) or could
// change a role found (firstFound: the first column's was): a first series
// that never falls may become x when it rises.
std::optional<ImportOptions> AppendedLinesOptions(const ImportOptions& used, const CDocData& data, bool firstFound);

// Reads lines appended to a file (whole lines) as a mark says; null when
// they cannot be read alone (a failure, a quote left open, an import's line
// ends other than the file's: crlf).
std::shared_ptr<const CDocData> ReadAppendedLines(std::string_view lines, const std::optional<ImportOptions>& import,
                                                  bool crlf, const ReadOptions& options);

// The mark of a whole read of source's text into data, imported with used
// (else read by the default reader; firstFound: the role of the first column
// was found in the text); not appendable for a stream.
ReadMark MarkAfterRead(const CTextSource& source, const CDocData& data, const std::optional<ImportOptions>& used,
                       bool firstFound, const std::vector<ImportWarning>& warnings);
