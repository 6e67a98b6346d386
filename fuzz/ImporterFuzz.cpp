// The importer: option bytes and a text, through detection and the import.
// The text is imported in one piece and in several: the results must agree,
// and a document that comes out must be one every chart can walk.

#include "FuzzImport.h"
#include "FuzzInput.h"

#include "doc/SorvDoc.h"
#include "read/ImportDetect.h"
#include "read/Importer.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void CheckDocument(const CSorvDoc& doc)
{
    Check(doc.RegionInMatrix());
    Check(doc->m_x.IsEmpty() || doc->m_x.Count() == std::size_t(doc->m_nCols));
    int missing = 0;
    for (int r = 0; r < doc->m_nRows; ++r) {
        for (int c = 0; c < doc->m_nCols; ++c) {
            const double v = doc->Value(r, c);
            if (std::isnan(v))
                ++missing;
            else if (std::isfinite(v))
                Check(v >= doc->m_dMin && v <= doc->m_dMax);
        }
    }
    Check(missing == doc->m_nMissing);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const ImportOptions given = Options(in);
    const unsigned pieces = unsigned(in.Int(2, 7));
    const std::string_view text = in.Rest();

    const ImportDetection detected = DetectImport(text, given);
    Check(given.delimiter == ImportDelimiter::Auto || detected.options.delimiter == given.delimiter);

    CSorvDoc whole;
    CSorvDoc split;
    const bool ok = CImporter(given, 1, 1).Import(text, whole);
    Check(CImporter(given, pieces, 1).Import(text, split) == ok);
    if (ok) {
        CheckDocument(whole);
        CheckSame(whole, split);
    } else {
        Check(whole->IsEmpty() && split->IsEmpty());
    }
    return 0;
}
