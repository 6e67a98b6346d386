#pragma once
// A drawing surface that draws nothing: what the chart code costs by itself.

#include "gfx/DC.h"

class CNullDC : public CDC {
protected:
    void DoLine(CPoint, CPoint) override {}
    void DoRectangle(int, int, int, int) override {}
    void DoPolygon(const CPoint*, int) override {}
    void DoPolyline(const CPoint*, int) override {}
    void DoTextOut(int, int, const char*, int) override {}
    void DoClip(int, int, int, int) override {}
    void DoClipOff() override {}
};
