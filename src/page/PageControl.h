#pragma once

#include "work/CancelToken.h"

#include <atomic>
#include <optional>

// How a worker draws a page: the flag that abandons it (the drawing stops
// early and leaves the page unfinished), where its progress goes
// (thousandths), and whether a draft will do (a 3D surface from a coarser
// grid, 2D series from every few columns).
struct CPageControl {
    std::optional<CCancelToken> cancel;
    std::atomic<int>* progress = nullptr;
    bool draft = false;
};
