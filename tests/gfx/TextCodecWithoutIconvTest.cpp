// Shift-JIS text must decode and encode on a system whose iconv has no code
// page 932: this program's iconv_open, taking the place of the C library's,
// knows no conversion at all.

#include "gfx/TextCodec.h"

#include <gtest/gtest.h>
#include <cerrno>
#include <iconv.h>

extern "C" iconv_t iconv_open(const char*, const char*) noexcept
{
    errno = EINVAL;
    return iconv_t(-1);
}

namespace {

TEST(TextCodecWithoutIconv, ShiftJisStillDecodesAndEncodes)
{
    EXPECT_EQ(DecodeToUtf8("ab 1.5\x93\x8C\x8B\x9E\xB1", 11, TextEncoding::ShiftJis), "ab 1.5東京ｱ");
    EXPECT_EQ(EncodeText(QString::fromUtf8("東京 1"), TextEncoding::ShiftJis), "\x93\x8C\x8B\x9E 1");
    EXPECT_EQ(EncodeText(QString::fromUtf8("a\U0001F600b"), TextEncoding::ShiftJis), "a?b");
}

}  // namespace
