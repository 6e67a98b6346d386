#include "page/ZoomHistory.h"

#include "settings/PlotSettings.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

CZoomState State(int x1, int x2, double vMax)
{
    CZoomState s;
    s.m_nX1 = x1;
    s.m_nX2 = x2;
    s.m_dVMax = vMax;
    return s;
}

// A script of records and steps, one letter each: r<n> records state n,
// b steps back, f forward; after each step the current state is compared.
struct Step {
    char op;
    int state;     // recorded, or expected after the step (-1: no step possible)
    bool canBack;
    bool canForward;
};

TEST(ZoomHistoryTest, RecordsAndSteps)
{
    const CZoomState states[] = {State(0, 9, 1), State(2, 7, 1), State(3, 5, 2), State(3, 4, 2)};
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"back and forward",
         {{'r', 0, false, false}, {'r', 1, true, false}, {'r', 2, true, false}, {'b', 1, true, true},
          {'b', 0, false, true}, {'b', -1, false, true}, {'f', 1, true, true}, {'f', 2, true, false},
          {'f', -1, true, false}}},
        {"the same state twice is one entry",
         {{'r', 0, false, false}, {'r', 0, false, false}, {'r', 1, true, false}, {'r', 1, true, false},
          {'b', 0, false, true}}},
        {"a change after a step back drops the entries ahead",
         {{'r', 0, false, false}, {'r', 1, true, false}, {'r', 2, true, false}, {'b', 1, true, true},
          {'r', 1, true, true}, {'r', 3, true, false}, {'b', 1, true, true}, {'f', 3, true, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CZoomHistory history;
        for (const Step& step : c.steps) {
            SCOPED_TRACE(std::string(1, step.op) + std::to_string(step.state));
            if (step.op == 'r') {
                history.Record(states[step.state]);
            } else {
                const auto got = step.op == 'b' ? history.Back() : history.Forward();
                ASSERT_EQ(got.has_value(), step.state >= 0);
                if (got) {
                    EXPECT_TRUE(*got == states[step.state]);
                }
            }
            EXPECT_EQ(history.CanGoBack(), step.canBack);
            EXPECT_EQ(history.CanGoForward(), step.canForward);
        }
    }
}

TEST(ZoomHistoryTest, KeepsTheNewestEntriesUpToItsLimit)
{
    CZoomHistory history(100);
    for (int i = 0; i < 250; ++i)
        history.Record(State(0, i, 1));
    int steps = 0;
    std::optional<CZoomState> oldest;
    while (auto state = history.Back()) {
        oldest = state;
        ++steps;
    }
    EXPECT_EQ(steps, 99);
    EXPECT_EQ(oldest->m_nX2, 150);
}

// Doubles compare bit for bit: NaN equals itself (no endless new entries), 0 and -0 differ.
TEST(ZoomHistoryTest, StatesCompareEveryMemberExactly)
{
    CZoomState a = State(1, 2, NAN);
    EXPECT_TRUE(a == a);
    CZoomState b = a;
    b.m_dHStep = -0.0;
    EXPECT_FALSE(a == b);
    b = a;
    b.m_nHLimit = 4;
    EXPECT_FALSE(a == b);
    b = a;
    b.m_bVLog = true;
    EXPECT_FALSE(a == b);
}

// The region comes back by a reset and a narrowing, so it may widen again;
// the axes come back as they were.
TEST(ZoomHistoryTest, RestoreWidensAndNarrowsTheRegion)
{
    auto doc = MakeTestDoc(5, 8, [](int r, int c) { return r + 0.5 * c; });
    int updates = 0;
    doc->m_fnUpdateAllViews = [&] { ++updates; };
    CPlotSettings s;
    s.m_dVMin = -1;
    s.m_dVMax = 7;
    s.m_dVStep = 0.5;
    s.m_bHLog = true;
    s.m_nVLimit = 2;
    const CZoomState whole = CZoomState::Of(*doc, s);
    ASSERT_TRUE(doc->SetRegion(2, 1, 6, 3));
    s.m_dVMax = 3;
    s.m_bHLog = false;
    const CZoomState narrow = CZoomState::Of(*doc, s);
    ASSERT_TRUE(doc->SetRegion(0, 0, 3, 2));
    s.m_nVLimit = 5;

    updates = 0;
    EXPECT_TRUE(RestoreZoom(narrow, *doc, s));
    EXPECT_TRUE(CZoomState::Of(*doc, s) == narrow);
    EXPECT_EQ(updates, 2);
    EXPECT_TRUE(RestoreZoom(whole, *doc, s));
    EXPECT_TRUE(CZoomState::Of(*doc, s) == whole);
    EXPECT_FALSE(RestoreZoom(whole, *doc, s));

    // The cell (0, 0), which four zeros cannot ask for.
    ASSERT_TRUE(doc->SetRegion(0, -1, 0, 0));
    const CZoomState corner = CZoomState::Of(*doc, s);
    doc->SetRegion(0, 0, 0, 0);
    EXPECT_TRUE(RestoreZoom(corner, *doc, s));
    EXPECT_EQ(doc->m_nX2, 0);
    EXPECT_EQ(doc->m_nY2, 0);
}

}  // namespace
