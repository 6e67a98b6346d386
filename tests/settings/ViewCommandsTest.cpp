// The settings changes of the rotate and zoom commands.

#include "settings/ViewCommands.h"

#include <gtest/gtest.h>

namespace {

// Each angle is folded once into 0..360; 360 itself stays.
TEST(ViewCommands, RotationFoldsEachAngleOnce)
{
    const struct {
        double in[3];
        double out[3];
    } cases[] = {
        {{0, 22.5, 360}, {0, 22.5, 360}},
        {{382.5, -22.5, 337.5}, {22.5, 337.5, 337.5}},
        {{-400, 740, -360}, {-40, 380, 0}},
    };
    for (const auto& c : cases) {
        CPlotSettings s;
        SetRotation(s, c.in[0], c.in[1], c.in[2]);
        EXPECT_EQ(s.m_dRotX, c.out[0]) << c.in[0];
        EXPECT_EQ(s.m_dRotY, c.out[1]) << c.in[1];
        EXPECT_EQ(s.m_dRotZ, c.out[2]) << c.in[2];
    }
}

// The zoom grows by 1.25 while below 4 and shrinks by 0.8 while above 0.25.
TEST(ViewCommands, ZoomStopsAtItsBounds)
{
    const struct {
        double zoom;
        bool in;
        double afterIn;
        bool out;
        double afterOut;
    } cases[] = {
        {1.0, true, 1.25, true, 0.8},
        {3.9, true, 3.9 * 1.25, true, 3.9 * 0.8},
        {4.0, false, 4.0, true, 4.0 * 0.8},
        {0.25, true, 0.25 * 1.25, false, 0.25},
        {0.26, true, 0.26 * 1.25, true, 0.26 * 0.8},
    };
    for (const auto& c : cases) {
        CPlotSettings s;
        s.m_dZoom = c.zoom;
        EXPECT_EQ(ZoomIn(s), c.in) << c.zoom;
        EXPECT_EQ(s.m_dZoom, c.afterIn) << c.zoom;
        s.m_dZoom = c.zoom;
        EXPECT_EQ(ZoomOut(s), c.out) << c.zoom;
        EXPECT_EQ(s.m_dZoom, c.afterOut) << c.zoom;
    }
}

// * and / stretch the z scale, or the fitted share within its bounds.
TEST(ViewCommands, StretchValuesScalesWhatIsInForce)
{
    const struct {
        bool fit;
        double share, factor;
        double scaleZ, shareAfter;
    } cases[] = {
        {false, 0.5, 1.5, 0.1 * 1.5, 0.5},
        {false, 0.5, 2.0 / 3.0, 0.1 * (2.0 / 3.0), 0.5},
        {true, 0.5, 1.5, 0.1, 0.75},
        {true, 8.0, 1.5, 0.1, 10.0},
        {true, 0.012, 2.0 / 3.0, 0.1, 0.01},
    };
    for (const auto& c : cases) {
        CPlotSettings s;
        s.m_bScaleZFit = c.fit;
        s.m_dScaleZFit = c.share;
        StretchValues(s, c.factor);
        EXPECT_EQ(s.m_dScaleZ, c.scaleZ) << c.fit << " " << c.share;
        EXPECT_DOUBLE_EQ(s.m_dScaleZFit, c.shareAfter) << c.fit << " " << c.share;
    }
}

}  // namespace
