#include "cli/BatchCommand.h"
#include "cli/FollowOption.h"
#include "cli/ReadArguments.h"
#include "support/Argv.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The viewer takes its reading options and files; after a lone "--" only
// files, whatever they look like. Nothing is left for Qt.
TEST(ReadArguments, ViewerFilesAndOptionsEndAtADoubleDash)
{
    const struct {
        QStringList args;
        QStringList files;
        bool imported;
    } cases[] = {
        {{"a.csv", "b.csv"}, {"a.csv", "b.csv"}, false},
        {{"-platform", "data.csv"}, {"-platform", "data.csv"}, false},
        {{"--columns", "a.csv"}, {"a.csv"}, true},
        {{"--", "--columns", "-x.csv"}, {"--columns", "-x.csv"}, false},
        {{"--delimiter", "tab", "--", "--", "a.csv"}, {"--", "a.csv"}, true},
        {{"a.csv", "--"}, {"a.csv"}, false},
    };
    for (const auto& c : cases) {
        QStringList files;
        ReadChoice read;
        std::string error;
        EXPECT_TRUE(ParseViewerArguments(c.args, files, read, error)) << error;
        EXPECT_EQ(files, c.files) << c.args.join(' ').toStdString();
        EXPECT_EQ(read.import.has_value(), c.imported) << c.args.join(' ').toStdString();
    }
}

// The viewer's --follow N: taken out of the arguments before "--", the last
// one counting; a missing or bad value refused.
TEST(ReadArguments, ViewerTakesFollow)
{
    const struct {
        QStringList args;
        bool ok;
        std::optional<int> columns;
        QStringList rest;
    } cases[] = {
        {{"--follow", "5", "a.csv"}, true, 5, {"a.csv"}},
        {{"--follow", "5", "--follow", "0", "a.csv"}, true, 0, {"a.csv"}},
        {{"a.csv", "--", "--follow", "5"}, true, std::nullopt, {"a.csv", "--", "--follow", "5"}},
        {{"a.csv", "--follow"}, false, std::nullopt, {}},
        {{"--follow", "-2", "a.csv"}, false, std::nullopt, {}},
    };
    for (const auto& c : cases) {
        QStringList args = c.args;
        std::optional<int> columns;
        std::string error;
        EXPECT_EQ(TakeFollowOption(args, columns, error), c.ok) << c.args.join(' ').toStdString();
        if (!c.ok) {
            EXPECT_NE(error.find("--follow"), std::string::npos) << error;
            continue;
        }
        EXPECT_EQ(columns, c.columns) << c.args.join(' ').toStdString();
        EXPECT_EQ(args, c.rest) << c.args.join(' ').toStdString();
    }
}

// A long option before "--" asks for a batch command; after it, it is a file name.
TEST(ReadArguments, BatchCommandsOnlyBeforeTheDoubleDash)
{
    const struct {
        std::vector<std::string> args;
        bool batch;
        int end;
    } cases[] = {
        {{"sorv", "a.csv"}, false, 2},
        {{"sorv", "--info", "a.csv"}, true, 3},
        {{"sorv", "--", "--info"}, false, 1},
        {{"sorv", "--columns", "--", "--x.csv"}, false, 2},
        {{"sorv", "--info", "--", "-a.csv"}, true, 2},
    };
    for (const auto& c : cases) {
        Argv a(c.args);
        EXPECT_EQ(IsBatchCommand(a.argc(), a.argv()), c.batch) << c.args[1];
        EXPECT_EQ(OptionsEnd(a.argc(), a.argv()), c.end) << c.args[1];
    }
}

}  // namespace
