#include "doc/Atof.h"

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

// AtofC of a token, as the reader hands it over: in a zeroed token buffer.
double Convert(const std::string& token)
{
    TokenBuffer buffer = {};
    std::memcpy(buffer, token.data(), token.size());
    return AtofC(buffer, token.size());
}

// Both results must be the same bits (NaNs included).
void ExpectSameAsStrtod(const std::string& token)
{
    const double expected = std::strtod(token.c_str(), nullptr);
    const double actual = Convert(token);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
        << "token \"" << token << "\": got " << actual << ", strtod gives " << expected;
}

TEST(AtofC, TrickyTokensMatchStrtod)
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

TEST(AtofC, LongTokensMatchStrtod)
{
    const std::vector<std::string> tokens = {
        std::string(127, '9'), "0." + std::string(125, '0'), "1" + std::string(126, '0'),
        "0." + std::string(120, '0') + "12345", "-" + std::string(126, '7'), "1." + std::string(125, '5'),
        std::string(100, '0') + "1e-100", "1e" + std::string(125, '0'), "2.4703282292062327208828439643411068618252990130716238221279284125033775363510437593264991818081799618989828234772285886546332835517796989819938739800539093906315035659515570226392290858392449105184435931802849936536152500319370457678249219365623669863658480757001585769269903706311928279558551332927834338409351978015531246597263579574622766465272827220056374006485499977096599470454020828166226237857393450736339007967761930577506740176324673600968951340535537458516661134223766678604162159680461914467291840300530057530849048765391711386591646239524912623653881879636239373280423891018672348497668235089863388587925628302755995657524455507255189313690836254779186948667994968324049705821028513185451396213837722826145437693412532098591327667236328125e-324"};
    for (const std::string& token : tokens)
        ExpectSameAsStrtod(token.substr(0, kTokenBufferSize - 1));
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

TEST(AtofC, RandomTokensMatchStrtod)
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
TEST(AtofC, IgnoresTheProcessLocale)
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
