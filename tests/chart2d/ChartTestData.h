#pragma once
// Documents, settings and recorded operations for the 2D chart tests.

#include "doc/SorvDoc.h"
#include "gfx/RecordingDC.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "support/RecordedOps.h"

#include <string>
#include <vector>

// A document of the given rows (all of one length), labels "r0", "r1", ...
// unless given, region the whole matrix, range the values' minimum and maximum.
CSorvDoc MakeDoc(const std::vector<std::vector<double>>& rows, const std::vector<std::string>& labels = {});

// Settings after the first update of a view onto doc, titled "title".
CPlotSettings MakeSettings(const CSorvDoc& doc);
// A screen page of W x H on which nothing is laid out yet.
CPageLayout MakePage(int width, int height);

// DrawGraph2D on a fresh recording surface; the plot is laid out in page.
CRecordingDC DrawChart(const CSorvDoc& doc, const CPlotSettings& s, CPageLayout& page);

using Op = CRecordingDC::Op;
using OpKind = CRecordingDC::OpKind;

// Operations recorded between the clip and the end of the clip: the series.
std::vector<Op> SeriesOps(const CRecordingDC& dc);
// Horizontal lines drawn with the grid pen spanning L..R of page: their ys.
std::vector<int> GridYs(const CRecordingDC& dc, const CPlotSettings& s, const CPageLayout& page);
// Vertical grid lines spanning B..T: their xs.
std::vector<int> GridXs(const CRecordingDC& dc, const CPlotSettings& s, const CPageLayout& page);
