#pragma once
// Following the latest data, as a chart recorder scrolls: the document's
// region kept on the last columns of its matrix while its file grows.

class CDocSnapshot;

// The columns to keep in view: the region's width when it is narrower than
// the matrix, else 0 (every column, so that the whole matrix stays whole).
int ColumnsToFollow(const CDocSnapshot& doc);

// Moves the region onto the last columns of doc's matrix (every column for 0
// or for more than there are), its rows as they were. Unlike SetRegion it
// may widen and move the region, and it tells no view. An empty document
// keeps its region.
void ShowLastColumns(CDocSnapshot& doc, int columns);
