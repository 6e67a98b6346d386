#pragma once
// Documents and settings for the 3D chart tests.

#include "doc/SorvDoc.h"
#include "gfx/RecordingDC.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "support/RecordedOps.h"

#include <functional>

// A cols x rows document whose value at (column c, row r) is f(c, r), region the whole matrix.
CSorvDoc MakeDoc(int cols, int rows, const std::function<double(int, int)>& f);

// The page of the examples.
constexpr int kPageWidth = 400;
constexpr int kPageHeight = 300;

// The 11 x 11 example: V range 0..100, default angles.
CPlotSettings ExampleSettings();

// DrawGraph3D on a page of W x H; returns the layout the draw leaves.
CPageLayout DrawOnPage(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, int width = kPageWidth,
                       int height = kPageHeight);
