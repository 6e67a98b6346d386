// The export options of the 3D value scale, read into the settings (their
// refusals are the command line's, BatchCliTest).

#include "cli/BatchOptions.h"
#include "doc/SorvDoc.h"
#include "settings/PlotSettings.h"
#include "support/Argv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Parses `--export out.png ARGS data.csv`; on success applies the changes to
// default settings.
bool Parse(const std::vector<std::string>& args, CPlotSettings& s, std::string& error)
{
    std::vector<std::string> all = {"sorv", "--export", "out.png"};
    all.insert(all.end(), args.begin(), args.end());
    all.push_back("data.csv");
    Argv argv(all);
    BatchOptions options;
    if (!ParseBatchOptions(argv.argc(), argv.argv(), options, error))
        return false;
    CSorvDoc doc;
    for (const BatchOptions::Change& change : options.changes)
        change.apply(doc, s);
    return true;
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

}  // namespace
