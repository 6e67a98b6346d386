#include "cli/BatchCommand.h"
#include "cli/LanguageOption.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct Case {
    std::vector<std::string> args;  // after the program name
    std::optional<UiLanguage> language;
    std::vector<std::string> rest;
    std::string error;  // empty: accepted
    bool batch;         // a batch command, not the viewer
};

TEST(LanguageOption, TakesLangOutOfTheArguments)
{
    const auto ja = UiLanguage::Japanese;
    const auto en = UiLanguage::English;
    const Case cases[] = {
        {{}, std::nullopt, {}, "", false},
        {{"a.csv", "b.csv"}, std::nullopt, {"a.csv", "b.csv"}, "", false},
        {{"--lang", "en"}, en, {}, "", false},
        {{"--lang", "ja", "a.csv"}, ja, {"a.csv"}, "", false},
        {{"a.csv", "--lang", "en", "b.csv"}, en, {"a.csv", "b.csv"}, "", false},
        {{"--lang", "en", "--lang", "ja"}, ja, {}, "", false},  // the last one counts
        {{"-style", "fusion", "--lang", "en"}, en, {"-style", "fusion"}, "", false},
        {{"--export", "o.png", "--lang", "en", "a.csv"}, en, {"--export", "o.png", "a.csv"}, "", true},
        {{"--lang", "en", "--info", "a.csv"}, en, {"--info", "a.csv"}, "", true},
        {{"--lang"}, std::nullopt, {}, "--lang: a value is missing", false},
        {{"--lang", "fr"}, std::nullopt, {}, "--lang fr: expected ja or en", false},
        {{"--lang", "EN"}, std::nullopt, {}, "--lang EN: expected ja or en", false},
        {{"--lang", ""}, std::nullopt, {}, "--lang : expected ja or en", false},
        {{"--lang=en"}, std::nullopt, {"--lang=en"}, "", true},  // an unknown option of the batch commands
    };
    for (const Case& c : cases) {
        std::string program = "sorv";
        std::vector<char*> argv{program.data()};
        std::vector<std::string> args = c.args;
        for (std::string& a : args)
            argv.push_back(a.data());
        std::string trace;
        for (const std::string& a : c.args)
            trace += a + " ";
        SCOPED_TRACE(trace);

        EXPECT_EQ(IsBatchCommand(int(argv.size()), argv.data()), c.batch);
        LanguageArguments out;
        std::string error;
        ASSERT_EQ(TakeLanguageOption(int(argv.size()), argv.data(), out, error), c.error.empty());
        EXPECT_EQ(error, c.error);
        if (!c.error.empty())
            continue;
        EXPECT_EQ(out.language, c.language);
        ASSERT_EQ(out.RestCount(), int(c.rest.size()) + 1);
        EXPECT_EQ(out.rest.front(), argv.front());
        EXPECT_EQ(out.rest.back(), nullptr);
        for (std::size_t i = 0; i < c.rest.size(); ++i)
            EXPECT_EQ(out.rest[i + 1], c.rest[i]);
    }
}

}  // namespace
