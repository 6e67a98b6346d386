#pragma once
// The screen page drawn on an image, for a window and for PNG export.

#include "settings/PageLayout.h"

#include <atomic>

class CSorvDoc;
class QImage;
struct CPlotSettings;

// Draws the page of a client area of clientWidth x clientHeight on image,
// whose size is that times its device pixel ratio; the 3D chart in bands, one
// thread each. A draft may draw the 3D surface from a coarser grid; once
// cancel is set the drawing stops early and leaves the image unfinished.
CPageLayout DrawImagePage(QImage& image, const CSorvDoc& doc, const CPlotSettings& s, int clientWidth,
                          int clientHeight, const std::atomic<bool>* cancel = nullptr, bool draft = false);
