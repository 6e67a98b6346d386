#include "read/Atof.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

double Convert(const std::string& token)
{
    return ConvertToken(token.data(), token.size());
}

// Both results must be the same bits (NaNs included).
void ExpectSameAsStrtod(const std::string& token)
{
    const double expected = std::strtod(token.c_str(), nullptr);
    const double actual = Convert(token);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
        << "token \"" << token << "\": got " << actual << ", strtod gives " << expected;
}

TEST(ConvertToken, TrickyTokensMatchStrtod)
{
    const std::vector<std::string> tokens = {
        "", "0", "-0", "+0", "-0.0", "1", "-1", "+1", " 1", "\t2", "\r3", "\v4", "3\r", "2\t", "12abc", "1..2",
        "1.2.3", "--1", "-+1", "+-1", ".", "-", "+", "-.", ".e1", "e5", ".5", "-.5", "+.5", "5.", "-5.", "1.e3",
        "1e", "1e+", "1e-", "1e5", "1E5", "1e+5", "1e-5", "1e5x", "1e05", "1e0000000000000000000005", "00001.5000",
        "0000000000000000001", "0.1", "0.2", "0.3", "123.456", "-0.00951385", "2528.13", "9999999", "99999999",
        "1234567890123456", "9007199254740992", "9007199254740993", "9007199254740993.0", "9007199254740994",
        "9999999999999999", "99999999999999999", "-999999999999999.9", "0.000000000000001", "0.0000000000000001",
        "123456789012345678901234567890", "0.12345678901234567890123456789", "1.7976931348623157e308",
        "1.7976931348623158e308", "1.7976931348623159e308", "1e308", "1e309", "1e400", "-1e400", "1e-300",
        "1e-400", "-1e-400", "4.9e-324", "2.4703282292062327e-324", "2.4703282292062328e-324",
        "2.2250738585072011e-308", "2.2250738585072012e-308", "0x", "0x1", "0X1A", "0x1p4", "-0x10", "0x1.8p1",
        "0xg", "0x.8", "0x1p", "0x1p-1074", "0x1p-1075", "0x1p1024", "00x1", "inf", "-inf", "+inf", "INF",
        "infinity", "INFINITY", "infinit", "infx", "in", "nan", "-nan", "NaN", "nan(123)", "nan(", "nan()",
        "nanx", "1,5", "1 5", "\xE3\x81\x82", "\x81\x40", "1\xFF", "1234567.", ".1234567", "123456789012345.6",
        "1234567890123456.7", "0.0000000000000012345678"};
    for (const std::string& token : tokens)
        ExpectSameAsStrtod(token);
}

TEST(ConvertToken, LongTokensMatchStrtod)
{
    const std::vector<std::string> tokens = {
        std::string(127, '9'), "0." + std::string(125, '0'), "1" + std::string(126, '0'),
        "0." + std::string(120, '0') + "12345", "-" + std::string(126, '7'), "1." + std::string(125, '5'),
        std::string(100, '0') + "1e-100", "1e" + std::string(125, '0'), "2.4703282292062327208828439643411068618252990130716238221279284125033775363510437593264991818081799618989828234772285886546332"};
    for (const std::string& token : tokens)
        ExpectSameAsStrtod(token.substr(0, kMaxTokenBytes));
    // A longer token is cut to its first 127 bytes before it is converted.
    for (const std::string& token : tokens) {
        const std::string longer = token + "123e5";
        const double cut = std::strtod(longer.substr(0, kMaxTokenBytes).c_str(), nullptr);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(Convert(longer)), std::bit_cast<std::uint64_t>(cut)) << longer;
    }
}

// The reader converts tokens in place in the text: nothing after the token counts.
TEST(ConvertToken, ReadsOnlyTheToken)
{
    struct {
        const char* text;
        std::size_t length;
        double value;
    } cases[] = {{"1.5e3,7", 3, 1.5}, {"12 34", 2, 12}, {"-0x10", 2, -0.0}, {"0x10", 1, 0}, {"1e5\n", 2, 1},
                 {"inf", 2, 0}, {"nan", 1, 0}, {"5", 0, 0}, {".5", 1, 0}, {"123", 2, 12}};
    for (const auto& c : cases) {
        const double value = ConvertToken(c.text, c.length);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(c.value))
            << "first " << c.length << " bytes of \"" << c.text << "\": got " << value;
    }
}

std::string RandomToken(std::mt19937_64& rng)
{
    static const char* const fragments[] = {"0", "1", "9", "12", "00", "5", "-", "+", ".", "e", "E", "e-", "e+",
                                            "x", "0x", "inf", "nan", "a", "f", " ", "\t", "\r", "p", "1234567",
                                            "(", ")", "987654321", "0000"};
    char text[64];
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double bits = std::bit_cast<double>(rng());
    switch (rng() % 6) {
    case 0: {   // any double, exactly
        std::snprintf(text, sizeof text, "%.17g", bits);
        return text;
    }
    case 1:
        std::snprintf(text, sizeof text, "%a", bits);
        return text;
    case 2: {   // 6 to 7 significant digits over many magnitudes
        const int digits = 1 + int(rng() % 17);
        std::snprintf(text, sizeof text, "%.*g", digits, (unit(rng) - 0.5) * std::pow(10.0, int(rng() % 40) - 20));
        return text;
    }
    case 3: {   // plain digits with a point somewhere
        std::string token = rng() % 3 == 0 ? "-" : "";
        const int length = 1 + int(rng() % 20);
        const int point = int(rng() % (length + 1));
        for (int i = 0; i < length; ++i) {
            if (i == point)
                token += '.';
            token += char('0' + rng() % 10);
        }
        return token;
    }
    default: {  // fragments
        std::string token;
        for (int n = 1 + int(rng() % 6); n > 0; --n)
            token += fragments[rng() % std::size(fragments)];
        return token;
    }
    }
}

TEST(ConvertToken, RandomTokensMatchStrtod)
{
    std::mt19937_64 rng(12345);
    int failures = 0;
    for (int i = 0; i < 200000 && failures < 20; ++i) {
        const std::string token = RandomToken(rng);
        const double expected = std::strtod(token.c_str(), nullptr);
        const double actual = Convert(token);
        if (std::bit_cast<std::uint64_t>(actual) != std::bit_cast<std::uint64_t>(expected)) {
            ++failures;
            ADD_FAILURE() << "token \"" << token << "\": got " << actual << ", strtod gives " << expected;
        }
    }
}

// A locale with a decimal comma must not change the conversion.
TEST(ConvertToken, IgnoresTheProcessLocale)
{
    const char* names[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"};
    const char* found = nullptr;
    for (const char* name : names)
        if (std::setlocale(LC_NUMERIC, name)) {
            found = name;
            break;
        }
    if (!found)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const double shortValue = Convert("1.5"), longValue = Convert("1.5e400"), hexValue = Convert("0x1.8p1");
    const double longDecimal = Convert("0.12345678901234567890123456789");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(shortValue, 1.5);
    EXPECT_EQ(longValue, HUGE_VAL);
    EXPECT_EQ(hexValue, 3.0);
    EXPECT_EQ(longDecimal, std::strtod("0.12345678901234567890123456789", nullptr));
}

} // namespace
