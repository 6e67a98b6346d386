#include "gfx/TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Converts with iconv; an invalid byte becomes one replacement character and
// an incomplete character at the end is dropped.
std::string Convert(const char* from, const char* to, const char* bytes, std::size_t count, const char* replacement)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return std::string(bytes, count);
    std::string out;
    out.resize(count * 4 + 16);
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = count;
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &dstLeft) != std::size_t(-1))
            break;
        if (errno == EILSEQ) {
            for (const char* r = replacement; *r && dstLeft > 0; ++r, --dstLeft)
                *dst++ = *r;
            ++in;
            --inLeft;
        } else if (errno == E2BIG) {
            const std::size_t used = std::size_t(dst - out.data());
            out.resize(out.size() * 2);
            dst = out.data() + used;
            dstLeft = out.size() - used;
        } else {
            break;  // EINVAL: incomplete character at the end
        }
    }
    iconv_close(cd);
    out.resize(std::size_t(dst - out.data()));
    return out;
}

// Length of the longest prefix of bytes that ends on a whole UTF-8 character.
int WholeUtf8Prefix(const char* bytes, int count)
{
    int end = count;
    int back = 0;
    while (end > 0 && back < 4 && (static_cast<unsigned char>(bytes[end - 1]) & 0xC0) == 0x80) {
        --end;
        ++back;
    }
    if (end == 0)
        return count;
    const unsigned char lead = static_cast<unsigned char>(bytes[end - 1]);
    int need = 1;
    if (lead >= 0xF0)
        need = 4;
    else if (lead >= 0xE0)
        need = 3;
    else if (lead >= 0xC0)
        need = 2;
    return back + 1 < need ? end - 1 : count;
}

}  // namespace

std::string DecodeToUtf8(const char* bytes, int count, TextEncoding encoding)
{
    if (count <= 0)
        return {};
    if (encoding == TextEncoding::Utf8)
        return std::string(bytes, std::size_t(WholeUtf8Prefix(bytes, count)));
    return Convert("CP932", "UTF-8", bytes, std::size_t(count), "\xEF\xBF\xBD");
}

QString DecodeText(const char* bytes, int count, TextEncoding encoding)
{
    const std::string utf8 = DecodeToUtf8(bytes, count, encoding);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string EncodeText(const QString& text, TextEncoding encoding)
{
    const QByteArray utf8 = text.toUtf8();
    if (encoding == TextEncoding::Utf8)
        return utf8.toStdString();
    return Convert("UTF-8", "CP932", utf8.constData(), std::size_t(utf8.size()), "?");
}
