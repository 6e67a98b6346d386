#pragma once
// A document as a drawing reads it: its data, shared and never changed, and
// its region, by value. A window's worker draws from a copy, so that the
// document can take new data or another region meanwhile.

#include "doc/DocData.h"

#include <memory>

class CDocSnapshot {
public:
    // Region, inclusive column and row indices. An empty document has an
    // inverted region (x2 < x1) that no chart walks.
    int m_nX1 = 0;
    int m_nY1 = 0;
    int m_nX2 = -1;
    int m_nY2 = -1;

    // Empty data.
    CDocSnapshot();

    const CDocData& Data() const { return *m_pShared; }
    const CDocData* operator->() const { return m_pShared.get(); }
    const std::shared_ptr<const CDocData>& SharedData() const { return m_pShared; }

    // TRUE when there is a matrix and the region is a rectangle of at least one
    // cell inside it: only then may a chart walk the region.
    bool RegionInMatrix() const;
    // The cells of the region when it lies in the matrix; 0 otherwise.
    long long RegionCells() const;

protected:
    std::shared_ptr<const CDocData> m_pShared;  // never null
};
