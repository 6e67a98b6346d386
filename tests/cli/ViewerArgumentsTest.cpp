#include "cli/BatchCommand.h"
#include "cli/ViewerArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Argv {
    explicit Argv(std::vector<std::string> args) : strings(std::move(args))
    {
        for (std::string& s : strings)
            pointers.push_back(s.data());
    }
    int argc() const { return int(pointers.size()); }
    char** argv() { return pointers.data(); }

    std::vector<std::string> strings;
    std::vector<char*> pointers;
};

std::vector<std::string> Strings(const std::vector<char*>& args)
{
    std::vector<std::string> out;
    for (char* a : args)
        out.emplace_back(a ? a : "(null)");
    return out;
}

// Qt sees its own options only before a lone "--"; everything else is a file.
TEST(ViewerArguments, QtSeesOnlyWhatComesBeforeALoneDoubleDash)
{
    using List = std::vector<std::string>;
    const struct {
        List args;
        List toolkit;
        List files;
    } cases[] = {
        {{"sorv"}, {"sorv", "(null)"}, {}},
        {{"sorv", "a.csv", "b.csv"}, {"sorv", "(null)"}, {"a.csv", "b.csv"}},
        {{"sorv", "-platform", "data.csv"}, {"sorv", "(null)"}, {"-platform", "data.csv"}},
        {{"sorv", "-style", "fusion", "--", "a.csv"}, {"sorv", "-style", "fusion", "(null)"}, {"a.csv"}},
        {{"sorv", "--", "--", "-x.csv"}, {"sorv", "(null)"}, {"--", "-x.csv"}},
        {{"sorv", "-reverse", "--"}, {"sorv", "-reverse", "(null)"}, {}},
    };
    for (const auto& c : cases) {
        Argv a(c.args);
        const ViewerArguments v = SplitViewerArguments(a.argc(), a.argv());
        EXPECT_EQ(Strings(v.toolkit), c.toolkit) << c.args.size();
        EXPECT_EQ(v.ToolkitCount(), int(c.toolkit.size()) - 1);
        EXPECT_EQ(v.files, c.files) << c.args.size();
    }
}

// A long option before "--" asks for a batch command; after it, it is a file name.
TEST(ViewerArguments, BatchCommandsOnlyBeforeTheDoubleDash)
{
    const struct {
        std::vector<std::string> args;
        bool batch;
    } cases[] = {
        {{"sorv", "a.csv"}, false},
        {{"sorv", "--info", "a.csv"}, true},
        {{"sorv", "--", "--info"}, false},
        {{"sorv", "-style", "fusion", "--", "--x.csv"}, false},
        {{"sorv", "--info", "--", "-a.csv"}, true},
    };
    for (const auto& c : cases) {
        Argv a(c.args);
        EXPECT_EQ(IsBatchCommand(a.argc(), a.argv()), c.batch) << c.args[1];
    }
}

}  // namespace
