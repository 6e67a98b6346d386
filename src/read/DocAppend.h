#pragma once
// A watched file that changed is read by its new lines when it only grew:
// the same file (device and inode), at least as long as before, and the
// bytes before the old end as they were. The data then grows by the whole
// lines appended (a last line without its end waits for it); anything else
// asks for a whole read.

#include "read/ReadMark.h"
#include "read/ReadOptions.h"

#include <memory>
#include <string>

class CDocData;

struct AppendOutcome {
    enum class Result {
        Appended,    // data: old's and the new lines'; mark: where this read stopped
        Unchanged,   // no whole line was appended
        ReadWhole,   // the file must be read whole
    };
    Result result = Result::ReadWhole;
    std::shared_ptr<const CDocData> data;
    ReadMark mark;
};

AppendOutcome AppendToData(const std::string& path, const CDocData& old, const ReadMark& mark,
                           const ReadOptions& options = {});
