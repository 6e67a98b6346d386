#include "gfx/TextCodec.h"

#include <gtest/gtest.h>

namespace {

struct CodecCase {
    const char* name;
    TextEncoding encoding;
    std::string bytes;
    std::string utf8;
    std::vector<int> offsets;  // byte offset of each character
};

TEST(TextCodec, SplitsIntoWholeCharacters)
{
    const CodecCase cases[] = {
        {"ascii", TextEncoding::ShiftJis, "12.5", "12.5", {0, 1, 2, 3}},
        {"sjis double", TextEncoding::ShiftJis, "a\x93\x8C\x8B\x9E", "a東京", {0, 1, 3}},
        {"sjis half-width kana", TextEncoding::ShiftJis, "\xB1\xB2", "ｱｲ", {0, 1}},
        {"sjis cut lead byte", TextEncoding::ShiftJis, "\x93\x8C\x8B", "東", {0}},
        {"sjis bad trail", TextEncoding::ShiftJis, "\x81\x20x", "\xEF\xBF\xBD x", {0, 1, 2}},
        {"sjis yen sign byte", TextEncoding::ShiftJis, "\\", "\\", {0}},
        {"utf8 three-byte", TextEncoding::Utf8, "x\xE6\x9D\xB1y", "x東y", {0, 1, 4}},
        {"utf8 four-byte", TextEncoding::Utf8, "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", {0}},
        {"utf8 cut", TextEncoding::Utf8, "ab\xE6\x9D", "ab", {0, 1}},
        {"utf8 stray continuation", TextEncoding::Utf8, "\x80" "a", "\xEF\xBF\xBD" "a", {0, 1}},
        {"utf8 overlong", TextEncoding::Utf8, "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", {0, 1}},
        {"utf8 surrogate", TextEncoding::Utf8, "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", {0, 1, 2}},
        {"empty", TextEncoding::Utf8, "", "", {}},
    };
    std::vector<DecodedChar> chars;
    for (const CodecCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeToUtf8(c.bytes.data(), int(c.bytes.size()), c.encoding), c.utf8);
        DecodeChars(c.bytes.data(), int(c.bytes.size()), c.encoding, chars);
        std::vector<int> offsets;
        for (const DecodedChar& ch : chars)
            offsets.push_back(ch.offset);
        EXPECT_EQ(offsets, c.offsets);
    }
}

TEST(TextCodec, CutAtEveryByteNeverShowsHalfACharacter)
{
    // A 13-byte label cut at 12 bytes and every other length.
    const std::string sjis = "\x8E\x44\x96\x79\x82\xCC\x8B\x43\x89\xB7" "abc";  // 札幌の気温abc
    for (int n = 0; n <= int(sjis.size()); ++n) {
        const QString text = DecodeText(sjis.data(), n, TextEncoding::ShiftJis);
        EXPECT_FALSE(text.contains(QChar(0xFFFD))) << n;
        EXPECT_EQ(EncodeText(text, TextEncoding::ShiftJis), sjis.substr(0, std::size_t(n - (n <= 10 && n % 2))));
    }
    const std::string utf8 = "\xE6\x9C\xAD\xE5\xB9\x8C" "ab";  // 札幌ab
    for (int n = 0; n <= int(utf8.size()); ++n) {
        const std::string shown = DecodeToUtf8(utf8.data(), n, TextEncoding::Utf8);
        EXPECT_EQ(shown, utf8.substr(0, std::size_t(n <= 6 ? n / 3 * 3 : n))) << n;
    }
}

TEST(TextCodec, EncodesTitlesBackToTheDocumentEncoding)
{
    EXPECT_EQ(EncodeText(QString::fromUtf8("東京 1"), TextEncoding::ShiftJis), "\x93\x8C\x8B\x9E 1");
    EXPECT_EQ(EncodeText(QString::fromUtf8("東京 1"), TextEncoding::Utf8), "東京 1");
    // A character that Shift-JIS lacks becomes one question mark, whatever its UTF-8 length.
    EXPECT_EQ(EncodeText(QString::fromUtf8("a\U0001F600b\u0101c"), TextEncoding::ShiftJis), "a?b?c");
    // The JIS forms that Japanese input gives keep their code page 932 bytes.
    EXPECT_EQ(EncodeText(QString::fromUtf8("1\u301C2 \u2212\u00A5\u2014"), TextEncoding::ShiftJis),
              "1\x81\x60" "2 \x81\x7C\x5C\x81\x5C");
}

}  // namespace
