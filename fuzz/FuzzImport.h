#pragma once
// What the importer's fuzz targets share: import options from the input's
// bytes, and the check that two documents hold the same data bit for bit.

#include "FuzzInput.h"

#include "doc/DocSnapshot.h"
#include "read/ImportOptions.h"

#include <climits>
#include <cstdlib>
#include <cstring>

inline void Check(bool condition)
{
    if (!condition)
        std::abort();
}

inline ImportOptions Options(FuzzInput& in)
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

inline bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The same data; the range's bounds bit for bit too, or (rangeSign false)
// equal, a zero of either sign being the same.
inline void CheckSame(const CDocSnapshot& a, const CDocSnapshot& b, bool rangeSign = true)
{
    Check(a->m_nRows == b->m_nRows && a->m_nCols == b->m_nCols && a->m_nMissing == b->m_nMissing);
    Check(a->m_x.Count() == b->m_x.Count() && a->m_x.Kind() == b->m_x.Kind());
    for (std::size_t c = 0; c < a->m_x.Count(); ++c)
        Check(SameBits(a->m_x.At(c), b->m_x.At(c)));
    if (rangeSign)
        Check(SameBits(a->m_dMin, b->m_dMin) && SameBits(a->m_dMax, b->m_dMax));
    Check(a->m_dMin == b->m_dMin && a->m_dMax == b->m_dMax && a->m_bUtf8 == b->m_bUtf8);
    for (int r = 0; r < a->m_nRows; ++r) {
        Check(a->m_pLabels[r] == b->m_pLabels[r]);
        for (int c = 0; c < a->m_nCols; ++c)
            Check(SameBits(a->Value(r, c), b->Value(r, c)));
    }
}
