#include "read/Atof.h"

#include "read/ShortDecimal.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <system_error>

#include <fast_float/fast_float.h>

namespace {

locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return locale;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// fast_float reads the decimal grammar of atof, minus a leading '+', leading
// white space, hexadecimal, "inf" and "nan"; for a token that begins with a
// digit or a point (after an optional '-') and is not hexadecimal, its
// longest valid prefix and value are those of atof.
bool IsPlainDecimal(const char* p, const char* end)
{
    if (p != end && *p == '-')
        ++p;
    if (p == end || !(IsDigit(*p) || *p == '.'))
        return false;
    return !(p[0] == '0' && end - p > 1 && (p[1] == 'x' || p[1] == 'X'));
}

// Every other form, through the C library in the "C" locale.
[[gnu::noinline]] double AtofC(const char* p, std::size_t length)
{
    TokenBuffer token;
    std::memcpy(token, p, length);
    token[length] = '\0';
    return strtod_l(token, nullptr, CLocale());
}

} // namespace

double ConvertToken(const char* p, std::size_t length, const char* readableEnd)
{
    length = std::min(length, kMaxTokenBytes);
    double value = 0.0;
    const char* stop = nullptr;
    if (ReadShortDecimal(p, readableEnd, '.', value, stop) && stop == p + length)
        return value;
    return ConvertOtherToken(p, length);
}

double ConvertOtherToken(const char* p, std::size_t length)
{
    length = std::min(length, kMaxTokenBytes);
    double value = 0.0;
    if (IsPlainDecimal(p, p + length) && fast_float::from_chars(p, p + length, value).ec == std::errc())
        return value;
    return AtofC(p, length);
}
