#pragma once
// Which columns of a document an H range covers, for the zoom and the pan of
// a 2D chart, and the region set to them.

#include <optional>
#include <utility>

class CDocSnapshot;
class CSorvDoc;
struct CPageLayout;

// The page places its columns on the H axis, at their column numbers or x values.
bool PlacedOnAxis(const CPageLayout& l);
// The stacked chart of x values that fall places its columns by their
// numbers, while the settings' H range stays in x units.
bool ColumnsForFallingX(const CPageLayout& l, const CDocSnapshot& doc);
// The columns with H positions in [a, b] and one more on either side, so that
// lines run to the plot's edges; nothing for x values that fall.
std::optional<std::pair<int, int>> ColumnsAround(const CDocSnapshot& doc, const CPageLayout& l, double a, double b);
// The region's columns become from..to (inside the matrix), its rows kept:
// narrowed where they lie inside it, else reset first (the region only narrows).
bool SetRegionColumns(CSorvDoc& doc, int from, int to);
