#include "gfx/RecordingDC.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string OpsOf(const CRecordingDC& dc)
{
    std::ostringstream out;
    dc.WriteOps(out);
    return out.str();
}

TEST(RecordingDC, WritesEveryOperationInOrderWithTheObjectsInForce)
{
    CRecordingDC dc;
    dc.SetScreenMapping(400, 300);
    dc.SetPageSize(400, 300);
    dc.SelectObject(CPen{PS_DASH, 3, RGB(0x12, 0x34, 0x56)});
    dc.SelectObject(CBrush{RGB(1, 2, 3)});
    dc.SelectObject(CFont{24, 12, true, "face"});
    dc.Rectangle(0, 300, 400, 0);
    const CPoint quad[4] = {{1, 2}, {3, 4}, {5, 6}, {7, -8}};
    dc.Polygon(quad, 4);
    dc.Polyline(quad, 3);
    dc.MoveTo(10, 20);
    dc.LineTo(30, 40);
    dc.LineTo(50, 60);
    dc.IntersectClipRect(80, 552, 700, 24);
    dc.TextOut(370, 588, "a\"b\\c");
    dc.SelectClipRgnNull();
    EXPECT_EQ(OpsOf(dc), "page 400 300 screen\n"
                         "rect 0 300 400 0 pen=1,3,0x563412 brush=0x030201\n"
                         "poly 4 1 2 3 4 5 6 7 -8 pen=1,3,0x563412 brush=0x030201\n"
                         "polyline 3 1 2 3 4 5 6 pen=1,3,0x563412\n"
                         "line 10 20 30 40 pen=1,3,0x563412\n"
                         "line 30 40 50 60 pen=1,3,0x563412\n"
                         "clip 80 552 700 24\n"
                         "text 370 588 \"a\\\"b\\\\c\" font=24,12,1\n"
                         "clip off\n");
}

TEST(RecordingDC, PrintedPageTextDecodedAndDegenerateShapesDropped)
{
    CRecordingDC dc;
    dc.m_bPrinting = true;
    dc.SetPageSize(1600, 1200);
    dc.SelectObject(CFont{32, 16, false, ""});
    const CPoint one[1] = {{5, 5}};
    dc.Polygon(one, 1);
    dc.Polyline(one, 1);
    dc.TextOut(0, 0, "", 0);
    dc.SetTextEncoding(TextEncoding::ShiftJis);
    dc.TextOut(1, 2, "\x93\x8C\x8B\x9E");  // 東京
    dc.SetTextEncoding(TextEncoding::Utf8);
    dc.TextOut(3, 4, "\xE6\x9D\xB1\xE4");  // 東 and a cut character
    dc.TextOut(5, 6, "a\nb\r");                 // line breaks stay on the line
    EXPECT_EQ(OpsOf(dc), "page 1600 1200 print\n"
                         "text 1 2 \"東京\" font=32,16,0\n"
                         "text 3 4 \"東\" font=32,16,0\n"
                         "text 5 6 \"a\\nb\\r\" font=32,16,0\n");
}

TEST(RecordingDC, SelectReturnsThePreviousObject)
{
    CRecordingDC dc;
    const CPen first{PS_SOLID, 2, 0x123456};
    dc.SelectObject(first);
    EXPECT_EQ(dc.SelectObject(CPen{PS_DOT, 0, 0}), first);
    const CFont font{11, 5, false, "x"};
    EXPECT_EQ(dc.SelectObject(font), CFont{});
    EXPECT_EQ(dc.SelectObject(CFont{}), font);
}

}  // namespace
