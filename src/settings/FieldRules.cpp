#include "settings/FieldRules.h"

#include "doc/DateTime.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP only: the messages are collected for translation

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

const char* const kNotInteger = QT_TRANSLATE_NOOP("FieldRules", "整数を入力してください。");
const char* const kNotNumber = QT_TRANSLATE_NOOP("FieldRules", "数字を入力してください。");
const char* const kNotUnsigned = QT_TRANSLATE_NOOP("FieldRules", "正の整数を入力してください。");
const char* const kIntegerRange = QT_TRANSLATE_NOOP("FieldRules", "%1 から %2 までの整数を入力してください。");
const char* const kNotDateTime =
    QT_TRANSLATE_NOOP("FieldRules", "日時 (2026-01-01 12:00:00 など) か数字を入力してください。");
const char* const kNumberRange = QT_TRANSLATE_NOOP("FieldRules", "%1 から %2 までの数字を入力してください。");
const char* const kTooLong = QT_TRANSLATE_NOOP("FieldRules", "%1 文字以内で入力してください。");

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The field as it is read: at most 31 bytes, leading blanks and tabs skipped.
std::string Prepared(std::string_view text)
{
    std::string field(text.substr(0, FieldRules::kMaxFieldBytes));
    std::size_t start = 0;
    while (start < field.size() && IsBlank(field[start]))
        ++start;
    return field.substr(start);
}

// Only blanks and tabs may follow the number.
bool OnlyBlanks(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return *p == '\0';
}

// U+FF61..U+FF9F in UTF-8: EF BD A1..BF and EF BE 80..9F.
bool IsHalfWidthKana(unsigned char b0, char c1, char c2)
{
    const unsigned char b1 = static_cast<unsigned char>(c1);
    const unsigned char b2 = static_cast<unsigned char>(c2);
    return b0 == 0xEF && ((b1 == 0xBD && b2 >= 0xA1) || (b1 == 0xBE && b2 <= 0x9F));
}

// The length of the valid UTF-8 character at the start of text; 0 when it
// starts none (a stray or missing continuation byte, an overlong form, a
// surrogate or a code beyond U+10FFFF), as the text decoders see it.
std::size_t Utf8SequenceLength(std::string_view text)
{
    const unsigned char c = static_cast<unsigned char>(text[0]);
    if (c < 0x80)
        return 1;
    const std::size_t len = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (len == 0 || text.size() < len)
        return 0;
    char32_t code = c & (0x7F >> len);
    for (std::size_t k = 1; k < len; ++k) {
        const unsigned char b = static_cast<unsigned char>(text[k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (b & 0x3F);
    }
    const bool overlong = (len == 3 && code < 0x800) || (len == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return overlong || surrogate || code > 0x10FFFF ? 0 : len;
}

// strtod in the "C" locale, whatever the process locale says about the decimal point.
double StrtodC(const char* begin, char** end)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(begin, end, c);
}

template <class T>
FieldResult<T> Fail(const char* text, std::vector<std::string> args = {})
{
    FieldResult<T> r;
    r.message = {text, std::move(args)};
    return r;
}

template <class T>
FieldResult<T> Pass(T value)
{
    FieldResult<T> r;
    r.ok = true;
    r.value = std::move(value);
    return r;
}

}  // namespace

std::string FieldMessage::Text() const
{
    std::string text = this->text;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string mark = "%" + std::to_string(i + 1);
        const std::size_t at = text.find(mark);
        if (at != std::string::npos)
            text.replace(at, mark.size(), args[i]);
    }
    return text;
}

namespace FieldRules {

FieldResult<int> ReadInt(std::string_view text, int min, int max)
{
    const std::string field = Prepared(text);
    const char* begin = field.c_str();
    char* end = nullptr;
    const long long v = std::strtoll(begin, &end, 10);
    if (end == begin || !OnlyBlanks(end) || (v == 0 && field[0] != '0'))
        return Fail<int>(kNotInteger);
    if (v < min || v > max)
        return Fail<int>(kIntegerRange, {std::to_string(min), std::to_string(max)});
    return Pass(int(v));
}

FieldResult<unsigned> ReadUnsigned(std::string_view text, unsigned min, unsigned max)
{
    const std::string field = Prepared(text);
    if (!field.empty() && field[0] == '-')
        return Fail<unsigned>(kNotUnsigned);
    const char* begin = field.c_str();
    char* end = nullptr;
    const unsigned long long v = std::strtoull(begin, &end, 10);
    if (end == begin || !OnlyBlanks(end) || (v == 0 && field[0] != '0'))
        return Fail<unsigned>(kNotUnsigned);
    if (v < min || v > max)
        return Fail<unsigned>(kIntegerRange, {std::to_string(min), std::to_string(max)});
    return Pass(unsigned(v));
}

FieldResult<double> ReadDouble(std::string_view text)
{
    const std::string field = Prepared(text);
    const char* begin = field.c_str();
    char* end = nullptr;
    const double v = StrtodC(begin, &end);
    if (end == begin || !OnlyBlanks(end) || (v == 0.0 && field[0] != '0') || !std::isfinite(v))
        return Fail<double>(kNotNumber);
    return Pass(v);
}

FieldResult<double> ReadDateTime(std::string_view text)
{
    if (const auto t = ParseDateTime(Prepared(text)))
        return Pass(t->seconds);
    const FieldResult<double> number = ReadDouble(text);
    return number.ok ? number : Fail<double>(kNotDateTime);
}

std::string FormatDateTimeField(double seconds)
{
    const std::string text = FormatDateTime(seconds, seconds == std::floor(seconds) ? 0 : 3);
    return text.empty() ? FormatNumber(seconds) : text;
}

FieldResult<double> ReadDouble(std::string_view text, double min, double max)
{
    FieldResult<double> r = ReadDouble(text);
    if (r.ok && (r.value < min || r.value > max))
        return Fail<double>(kNumberRange, {FormatNumber(min), FormatNumber(max)});
    return r;
}

FieldResult<std::string> ReadText(std::string_view utf8, int maxBytes)
{
    if (ShiftJisLength(utf8) > maxBytes)
        return Fail<std::string>(kTooLong, {std::to_string(maxBytes)});
    return Pass(std::string(utf8));
}

int ShiftJisLength(std::string_view utf8)
{
    int bytes = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = Utf8SequenceLength(utf8.substr(i));
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        // ASCII and half-width katakana (U+FF61..U+FF9F) are one byte in
        // Shift-JIS, other characters two; a byte that starts no valid
        // character becomes U+FFFD, which encodes as one "?".
        if (len <= 1)
            bytes += 1;
        else
            bytes += len == 3 && IsHalfWidthKana(c, utf8[i + 1], utf8[i + 2]) ? 1 : 2;
        i += len == 0 ? 1 : len;
    }
    return bytes;
}

std::string FormatNumber(double value)
{
    // The same text as "%.*g" with precision 15, independent of the locale;
    // -0 is shown as 0 so that the field reads back as the value it shows.
    if (value == 0.0)
        value = 0.0;
    char buf[64];
    std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    // Near the largest double 15 digits round up past it (1.79769313486232e+308
    // reads back as infinity): such a value gets the shortest exact text instead.
    if (std::isfinite(value) && !std::isfinite(StrtodC(std::string(buf, r.ptr).c_str(), nullptr)))
        r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

}  // namespace FieldRules
