// The importer: option bytes and a text, through detection and the import.
// The text is imported in one piece and in several: the results must agree,
// and a document that comes out must be one every chart can walk.

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

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

ImportOptions Options(FuzzInput& in)
{
    static const ImportDelimiter kDelimiters[] = {ImportDelimiter::Auto, ImportDelimiter::Comma, ImportDelimiter::Tab,
                                                  ImportDelimiter::Semicolon, ImportDelimiter::Blank};
    static const FirstColumn kFirst[] = {FirstColumn::Data, FirstColumn::Labels, FirstColumn::Skip, FirstColumn::X,
                                         FirstColumn::Auto};
    static const char kComments[] = {'#', '\0', ';', '%', ','};
    ImportOptions o;
    o.columns = in.Flag();
    o.delimiter = kDelimiters[in.Int(0, 4)];
    o.header = in.Flag();
    o.detectHeader = in.Flag();
    o.firstColumn = kFirst[in.Int(0, 4)];
    o.xColumn = in.Int(-1, 3);
    o.xIndex = in.Flag();
    o.xRow = in.Int(-1, 3);
    if (in.Flag())
        o.use = {{in.Int(0, 3), in.Flag() ? INT_MAX : in.Int(3, 5), {}}};
    o.skip = in.Int(0, 4);
    o.comment = kComments[in.Int(0, 4)];
    o.decimalComma = in.Flag();
    return o;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckSame(const CSorvDoc& a, const CSorvDoc& b)
{
    Check(a->m_nRows == b->m_nRows && a->m_nCols == b->m_nCols && a->m_nMissing == b->m_nMissing);
    Check(a->m_x.Count() == b->m_x.Count() && a->m_x.Kind() == b->m_x.Kind());
    for (std::size_t c = 0; c < a->m_x.Count(); ++c)
        Check(SameBits(a->m_x.At(c), b->m_x.At(c)));
    Check(SameBits(a->m_dMin, b->m_dMin) && SameBits(a->m_dMax, b->m_dMax) && a->m_bUtf8 == b->m_bUtf8);
    for (int r = 0; r < a->m_nRows; ++r) {
        Check(a->m_pLabels[r] == b->m_pLabels[r]);
        for (int c = 0; c < a->m_nCols; ++c)
            Check(SameBits(a->Value(r, c), b->Value(r, c)));
    }
}

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
