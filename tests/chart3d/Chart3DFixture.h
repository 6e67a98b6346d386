#pragma once
// Documents and settings for the 3D chart tests.

#include "doc/SorvDoc.h"
#include "gfx/RecordingDC.h"
#include "settings/PlotSettings.h"
#include "support/RecordedOps.h"

#include <functional>

// A cols x rows document whose value at (column c, row r) is f(c, r), region the whole matrix.
CSorvDoc MakeDoc(int cols, int rows, const std::function<double(int, int)>& f);

// The 11 x 11 example: V range 0..100 on a 400 x 300 page, default angles.
CPlotSettings ExampleSettings();
