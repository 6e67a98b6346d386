#include "page/RotateDrag.h"

#include "settings/PlotSettings.h"

#include <gtest/gtest.h>

namespace {

// Half a degree a pixel: up turns x forward, right turns y forward; each
// angle stays in 0..360 however far the mouse goes, z is left alone.
TEST(RotateDragTest, AnglesFollowTheMouse)
{
    struct Case {
        const char* what;
        double startX, startY;
        CPoint to;
        double x, y;
    };
    const Case cases[] = {
        {"no move", 337.5, 315.0, {400, 300}, 337.5, 315.0},
        {"up and right", 337.5, 315.0, {440, 280}, 347.5, 335.0},
        {"down and left", 10.0, 10.0, {380, 340}, 350.0, 0.0},
        {"past 360", 350.0, 350.0, {440, 270}, 5.0, 10.0},
        {"to 360 exactly", 337.5, 315.0, {490, 255}, 360.0, 360.0},
        {"many turns", 0.0, 0.0, {400 + 2000, 300}, 0.0, 280.0},
        {"360 stays", 360.0, 360.0, {400, 300}, 360.0, 360.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPlotSettings s;
        s.m_dRotX = c.startX;
        s.m_dRotY = c.startY;
        s.m_dRotZ = 45.0;
        CRotateDrag drag;
        drag.Begin({400, 300}, s);
        EXPECT_TRUE(drag.IsActive());
        drag.MoveTo({430, 290}, s);
        drag.MoveTo(c.to, s);
        EXPECT_DOUBLE_EQ(s.m_dRotX, c.x);
        EXPECT_DOUBLE_EQ(s.m_dRotY, c.y);
        EXPECT_EQ(s.m_dRotZ, 45.0);
        drag.End();
        EXPECT_FALSE(drag.IsActive());
    }
}

}  // namespace
