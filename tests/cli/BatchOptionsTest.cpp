// Export options read into the settings and the region: the 3D value scale
// and --follow (their refusals are the command line's, BatchCliTest).

#include "cli/BatchOptions.h"
#include "doc/SorvDoc.h"
#include "settings/PlotSettings.h"
#include "support/Argv.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Parses `--export out.png ARGS data.csv`; on success applies the changes to
// default settings and doc.
bool Parse(const std::vector<std::string>& args, CPlotSettings& s, std::string& error, CSorvDoc& doc)
{
    std::vector<std::string> all = {"sorv", "--export", "out.png"};
    all.insert(all.end(), args.begin(), args.end());
    all.push_back("data.csv");
    Argv argv(all);
    BatchOptions options;
    if (!ParseBatchOptions(argv.argc(), argv.argv(), options, error))
        return false;
    for (const BatchOptions::Change& change : options.changes)
        change.apply(doc, s);
    return true;
}

bool Parse(const std::vector<std::string>& args, CPlotSettings& s, std::string& error)
{
    CSorvDoc doc;
    return Parse(args, s, error, doc);
}

TEST(BatchOptions, ColorBarAndValuesFittedToTheBox)
{
    const struct {
        std::vector<std::string> args;
        bool colorBar;
        bool fit;
        double share;
    } cases[] = {
        {{}, false, false, 0.5},
        {{"--colorbar"}, true, false, 0.5},
        {{"--scale-z-fit", "0.25"}, false, true, 0.25},
        {{"--scale-z-fit", "0.01", "--colorbar"}, true, true, 0.01},
        {{"--scale-z-fit", "10"}, false, true, 10.0},
    };
    for (const auto& c : cases) {
        CPlotSettings s;
        std::string error;
        ASSERT_TRUE(Parse(c.args, s, error)) << error;
        EXPECT_EQ(s.m_bColorBar, c.colorBar);
        EXPECT_EQ(s.m_bScaleZFit, c.fit);
        EXPECT_EQ(s.m_dScaleZFit, c.share);
        EXPECT_EQ(s.m_dScaleZ, 0.1);
    }
}

// --follow N draws the last N columns, the rows of the region kept, and the H
// axis on them.
TEST(BatchOptions, FollowShowsTheLastColumns)
{
    const struct {
        std::vector<std::string> args;
        int x1, y1, x2, y2;
    } cases[] = {
        {{"--follow", "3"}, 7, 0, 9, 2},
        {{"--follow", "0"}, 0, 0, 9, 2},
        {{"--follow", "20"}, 0, 0, 9, 2},
        {{"--region", "2,1,5,2", "--follow", "3"}, 7, 1, 9, 2},
    };
    for (const auto& c : cases) {
        auto doc = MakeTestDoc(3, 10, [](int r, int col) { return double(r + col); });
        CPlotSettings s;
        std::string error;
        ASSERT_TRUE(Parse(c.args, s, error, *doc)) << error;
        EXPECT_EQ(std::vector<int>({doc->m_nX1, doc->m_nY1, doc->m_nX2, doc->m_nY2}),
                  std::vector<int>({c.x1, c.y1, c.x2, c.y2}));
        EXPECT_EQ(s.m_dHMin, c.x1);
        EXPECT_EQ(s.m_dHMax, c.x2);
    }
    for (const char* bad : {"-1", "x", ""}) {
        CPlotSettings s;
        std::string error;
        EXPECT_FALSE(Parse({"--follow", bad}, s, error)) << bad;
        EXPECT_NE(error.find("--follow"), std::string::npos) << error;
    }
}

}  // namespace
