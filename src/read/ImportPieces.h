#pragma once
// The text of an import after its header, cut into pieces at record starts
// so that the threads can take them in turn, and counted on every core.

#include "read/FieldScanner.h"

#include <cstddef>
#include <vector>

class CReadPass;

struct ImportPieces {
    std::vector<const char*> cuts;     // one more than pieces: piece k is [cuts[k], cuts[k + 1])
    std::vector<RecordCount> shapes;
    bool utf8 = true;                  // all their bytes are valid UTF-8
};

// Cuts [begin, end of the text) into count pieces and counts them in pass,
// checking their bytes for UTF-8 on the way. The pieces hold whole records,
// the same whatever their number. False when pass was stopped (Failure says why).
bool CountPieces(const CFieldScanner& scanner, const char* begin, std::size_t count, CReadPass& pass,
                 ImportPieces& pieces);
