#include "settings/FieldRules.h"

#include "support/RepeatText.h"

#include <gtest/gtest.h>

#include <cfloat>

#include <string>

namespace {

const std::string kNotInteger = "整数を入力してください。";
const std::string kNotNumber = "数字を入力してください。";
const std::string kNotUnsigned = "正の整数を入力してください。";

// An empty message means the text is accepted with the given value.
struct IntCase {
    std::string text;
    int min, max;
    int value;
    std::string message;
};

TEST(FieldRules, ReadInt)
{
    // A region index goes up to the largest a document can have.
    const int maxIndex = FieldRules::kMaxRegionIndex;
    const std::string region = "0 から 2147483647 までの整数を入力してください。";
    const std::string width = "0 から 99 までの整数を入力してください。";
    const IntCase cases[] = {
        {"65536", 0, maxIndex, 65536, ""},
        {"2147483647", 0, maxIndex, 2147483647, ""},
        {"2147483648", 0, maxIndex, 0, region},
        {"99999999999999999999", 0, maxIndex, 0, region},
        {"-1", 0, maxIndex, 0, region},
        {"-2147483649", 0, maxIndex, 0, region},
        {"", 0, 65535, 0, kNotInteger},
        {"   ", 0, 65535, 0, kNotInteger},
        {"0", 0, 65535, 0, ""},
        {"000", 0, 65535, 0, ""},
        {"-0", 0, 65535, 0, kNotInteger},
        {"+0", 0, 65535, 0, kNotInteger},
        {"+7", 0, 65535, 7, ""},
        {" \t12\t ", 0, 65535, 12, ""},
        {"12x", 0, 65535, 0, kNotInteger},
        {"12 3", 0, 65535, 0, kNotInteger},
        {"1.5", 0, 65535, 0, kNotInteger},
        {"abc", 0, 65535, 0, kNotInteger},
        {"0x10", 0, 65535, 0, kNotInteger},
        {"0", 0, 99, 0, ""},
        {"99", 0, 99, 99, ""},
        {"100", 0, 99, 0, width},
        // Beyond 32 bits the value fails the range.
        {"99999999999999999999", 0, 99, 0, width},
        {"-99999999999999999999", 0, 99, 0, width},
        // Only 31 bytes are read: the garbage beyond them is never seen.
        {"5" + std::string(30, ' ') + "x", 0, 99, 5, ""},
        {"5" + std::string(29, ' ') + "x", 0, 99, 0, kNotInteger},
        {std::string(31, ' ') + "5", 0, 99, 0, kNotInteger},
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const FieldResult<int> r = FieldRules::ReadInt(c.text, c.min, c.max);
        EXPECT_EQ(r.ok, c.message.empty());
        EXPECT_EQ(r.message.Text(), c.message);
        if (r.ok) {
            EXPECT_EQ(r.value, c.value);
        }
    }
}

TEST(FieldRules, ReadUnsignedLimits)
{
    const std::string range = "0 から 9 までの整数を入力してください。";
    const struct {
        std::string text;
        unsigned value;
        std::string message;
    } cases[] = {
        {"9", 9, ""},      {"0", 0, ""},           {" 3\t", 3, ""},
        {"10", 0, range},  {"-1", 0, kNotUnsigned}, {" -0", 0, kNotUnsigned},
        {"", 0, kNotUnsigned}, {"+0", 0, kNotUnsigned}, {"4294967296", 0, range},
        {"2z", 0, kNotUnsigned},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const FieldResult<unsigned> r = FieldRules::ReadUnsigned(c.text, 0, 9);
        EXPECT_EQ(r.message.Text(), c.message);
        EXPECT_EQ(r.ok, c.message.empty());
        if (r.ok) {
            EXPECT_EQ(r.value, c.value);
        }
    }
}

struct DoubleCase {
    std::string text;
    double min, max;
    double value;
    std::string message;
};

TEST(FieldRules, ReadDouble)
{
    const std::string angle = "0 から 360 までの数字を入力してください。";
    const std::string scale = "1e-06 から 1000000 までの数字を入力してください。";
    const double any = 1e300;
    const DoubleCase cases[] = {
        {"360", 0, 360, 360, ""},
        {"360.5", 0, 360, 0, angle},
        {"-0.1", 0, 360, 0, angle},
        {"0", 0, 360, 0, ""},
        {"0.0", 0, 360, 0, ""},
        {".0", 0, 360, 0, kNotNumber},
        {"-0", 0, 360, 0, kNotNumber},
        {"0", 1e-6, 1e6, 0, scale},
        {"1e-6", 1e-6, 1e6, 1e-6, ""},
        {"1000000", 1e-6, 1e6, 1e6, ""},
        {"1000000.1", 1e-6, 1e6, 0, scale},
        {"\t 2.5e1 \t", -any, any, 25, ""},
        {".5", -any, any, 0.5, ""},
        {"-12.25", -any, any, -12.25, ""},
        {"", -any, any, 0, kNotNumber},
        {"1,5", -any, any, 0, kNotNumber},
        {"3 4", -any, any, 0, kNotNumber},
        {"1e", -any, any, 0, kNotNumber},
        {"abc", -any, any, 0, kNotNumber},
        // Values no chart can use are refused as not numbers.
        {"1e999", -any, any, 0, kNotNumber},
        {"inf", -any, any, 0, kNotNumber},
        {"nan", -any, any, 0, kNotNumber},
        // Underflow to zero from a text not beginning with 0.
        {"1e-999", -any, any, 0, kNotNumber},
        {"7" + std::string(30, ' ') + "?", -any, any, 7, ""},
    };
    for (const DoubleCase& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const FieldResult<double> r = FieldRules::ReadDouble(c.text, c.min, c.max);
        EXPECT_EQ(r.message.Text(), c.message);
        EXPECT_EQ(r.ok, c.message.empty());
        if (r.ok) {
            EXPECT_EQ(r.value, c.value);
        }
    }
}

TEST(FieldRules, FormatNumber)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},           {-0.0, "0"},           {1e-6, "1e-06"},  {1000000.0, "1000000"},
        {337.5, "337.5"},     {0.1, "0.1"},          {1.0 / 3, "0.333333333333333"},
        {123456789012345678.0, "1.23456789012346e+17"}, {-2.5, "-2.5"},
        {1.79769313486231e308, "1.79769313486231e+308"},
        // 15 digits of these read back as infinity: the shortest exact text instead.
        {1.7976931348623155e308, "1.7976931348623155e+308"},
        {DBL_MAX, "1.7976931348623157e+308"}, {-DBL_MAX, "-1.7976931348623157e+308"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FieldRules::FormatNumber(c.value), c.text) << c.value;
    // What the dialog shows reads back as a number.
    for (const auto& c : cases)
        EXPECT_TRUE(FieldRules::ReadDouble(FieldRules::FormatNumber(c.value)).ok) << c.value;
    EXPECT_EQ(FieldRules::ReadDouble(FieldRules::FormatNumber(DBL_MAX)).value, DBL_MAX);
}

// A time axis's ends: date-times on their own clock, or seconds; shown back as read.
TEST(FieldRules, DateTimeFields)
{
    const struct {
        const char* text;
        bool ok;
        double seconds;
        const char* shown;
    } cases[] = {
        {"2026-01-01 12:00:00", true, 1767268800.0, "2026-01-01 12:00:00"},
        {" 2026-01-01T12:00:00.25Z ", true, 1767268800.25, "2026-01-01 12:00:00.250"},
        {"2026/1/2", true, 1767312000.0, "2026-01-02 00:00:00"},
        {"1767268800", true, 1767268800.0, "2026-01-01 12:00:00"},
        {"2026-02-30", false, 0, nullptr},
        {"noon", false, 0, nullptr},
        {"", false, 0, nullptr},
    };
    for (const auto& c : cases) {
        const FieldResult<double> r = FieldRules::ReadDateTime(c.text);
        EXPECT_EQ(r.ok, c.ok) << c.text;
        if (!c.ok) {
            EXPECT_STREQ(r.message.text, "日時 (2026-01-01 12:00:00 など) か数字を入力してください。");
            continue;
        }
        EXPECT_EQ(r.value, c.seconds) << c.text;
        EXPECT_EQ(FieldRules::FormatDateTimeField(r.value), c.shown) << c.text;
    }
    EXPECT_EQ(FieldRules::FormatDateTimeField(1e300), "1e+300");
}

TEST(FieldRules, ReadTextCountsShiftJisBytes)
{
    const std::string tooLong = "128 文字以内で入力してください。";
    std::string sixtyFourKanji;
    for (int i = 0; i < 64; ++i)
        sixtyFourKanji += "漢";
    std::string kana128;
    for (int i = 0; i < 128; ++i)
        kana128 += "ｱ";  // half-width katakana: one byte each
    const struct {
        std::string text;
        int bytes;
        bool ok;
    } cases[] = {
        {"", 0, true},
        {std::string(128, 'a'), 128, true},
        {std::string(129, 'a'), 129, false},
        {std::string(130, 'a'), 130, false},
        {sixtyFourKanji, 128, true},
        {sixtyFourKanji + "a", 129, false},
        {kana128, 128, true},
        {kana128 + "ｰ", 129, false},          // U+FF70, still half-width
        {"ﾟ", 1, true},                       // U+FF9F, the last half-width kana
        {"ﾠ", 2, true},                       // U+FFA0 is not one of them
        {"｡", 1, true},                       // U+FF61, the first
        {"｠", 2, true},                       // U+FF60, just before
        {"é😀", 4, true},
        // Bytes that start no valid character each become one "?".
        {"\xF0" "AAA", 4, true},
        {Repeat("\xF0" "AAA", 32), 128, true},
        {Repeat("\xF0" "AAA", 33), 132, false},
        {"\xF0\x9F\x98" "A", 4, true},      // a character cut short
        {"\xE3\x81", 2, true},
        {"\xC0\x80\x80", 3, true},          // an overlong form and a stray continuation
        {"\xED\xA0\x80", 3, true},          // a surrogate
        {"\xF4\x90\x80\x80", 4, true},     // beyond U+10FFFF
        {"\xFF\xFE", 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(FieldRules::ShiftJisLength(c.text), c.bytes);
        const FieldResult<std::string> r = FieldRules::ReadText(c.text, 128);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.message.Text(), c.ok ? "" : tooLong);
        if (r.ok) {
            EXPECT_EQ(r.value, c.text);
        }
    }
}

}  // namespace
