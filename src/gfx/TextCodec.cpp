#include "gfx/TextCodec.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// Qt's name for code page 932 (Shift-JIS with the Microsoft extensions).
constexpr const char* kCodePage932 = "windows-31j";

bool IsShiftJisLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The one character that bytes decode to, 0 if they decode to none or to more.
char32_t DecodeOne(const char* bytes, int count)
{
    // A fresh decoder each time: one that has seen an error keeps reporting it.
    QStringDecoder decoder(kCodePage932, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes, count));
    if (decoder.hasError() || text.isEmpty())
        return 0;
    const QList<uint> codes = text.toUcs4();
    return codes.size() == 1 ? char32_t(codes[0]) : 0;
}

// Code page 932 as a table, built once: single bytes at their value, double
// bytes at 256 + (lead - 0x80) * 256 + trail. 0 = unmapped. The bytes below
// 0x80 are ASCII, control characters included.
class ShiftJisTable {
public:
    ShiftJisTable()
    {
        if (!QStringDecoder(kCodePage932).isValid())
            qFatal("Sorv cannot start: this Qt has no Shift-JIS (code page 932) codec; it needs a Qt built with ICU.");
        for (int c = 0; c < 0x80; ++c)
            m_codes[std::size_t(c)] = char32_t(c);
        for (int c = 0x80; c < 0x100; ++c) {
            const char byte = char(c);
            if (!IsShiftJisLead(static_cast<unsigned char>(c)))
                m_codes[std::size_t(c)] = DecodeOne(&byte, 1);
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsShiftJisLead(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const char pair[2] = {char(lead), char(trail)};
                m_codes[Index(lead, trail)] = DecodeOne(pair, 2);
            }
        }
    }

    char32_t Single(unsigned char c) const { return m_codes[c]; }
    char32_t Double(unsigned char lead, unsigned char trail) const { return m_codes[Index(lead, trail)]; }

private:
    static std::size_t Index(int lead, int trail) { return std::size_t(256 + (lead - 0x80) * 256 + trail); }

    std::array<char32_t, 256 + 128 * 256> m_codes{};
};

const ShiftJisTable& ShiftJis()
{
    static const ShiftJisTable table;
    return table;
}

void DecodeShiftJis(const unsigned char* s, int count, std::vector<DecodedChar>& out)
{
    const ShiftJisTable& table = ShiftJis();
    int i = 0;
    while (i < count) {
        if (IsShiftJisLead(s[i])) {
            if (i + 1 >= count)
                return;  // half a character at the end
            const char32_t code = table.Double(s[i], s[i + 1]);
            if (code != 0) {
                out.push_back({i, 2, code});
                i += 2;
                continue;
            }
            out.push_back({i, 1, kReplacement});
            ++i;
            continue;
        }
        // NUL is itself; any other 0 in the table is an unmapped byte.
        const char32_t code = table.Single(s[i]);
        out.push_back({i, 1, code == 0 && s[i] != 0 ? kReplacement : code});
        ++i;
    }
}

// Length of the UTF-8 sequence that starts with lead, 0 if lead starts none.
int Utf8Length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Characters that Japanese input gives in their JIS form, where code page 932
// has the full-width or other form at the same bytes (WAVE DASH for 0x8160 ...).
const char* JisFormBytes(char32_t code)
{
    switch (code) {
    case U'\u301C': return "\x81\x60";  // wave dash
    case U'\u2016': return "\x81\x61";  // double vertical line
    case U'\u2212': return "\x81\x7C";  // minus sign
    case U'\u00A2': return "\x81\x91";  // cent sign
    case U'\u00A3': return "\x81\x92";  // pound sign
    case U'\u00AC': return "\x81\xCA";  // not sign
    case U'\u2014': return "\x81\x5C";  // em dash
    case U'\u00A5': return "\x5C";       // yen sign
    case U'\u203E': return "\x7E";       // overline
    default: return nullptr;
    }
}

// Text to code page 932; a character that code page 932 lacks becomes one "?".
std::string EncodeShiftJis(const QString& text)
{
    std::string out;
    out.reserve(std::size_t(text.size()) * 2);
    for (const uint code : text.toUcs4()) {
        if (code < 0x80) {
            out += char(code);
            continue;
        }
        QStringEncoder encoder(kCodePage932, QStringConverter::Flag::Stateless);
        const char32_t one = char32_t(code);
        const QByteArray bytes = encoder.encode(QString::fromUcs4(&one, 1));
        if (encoder.hasError() || bytes.isEmpty())
            out += JisFormBytes(one) ? JisFormBytes(one) : "?";
        else
            out.append(bytes.constData(), std::size_t(bytes.size()));
    }
    return out;
}

void DecodeUtf8(const unsigned char* s, int count, std::vector<DecodedChar>& out)
{
    int i = 0;
    while (i < count) {
        const int len = Utf8Length(s[i]);
        if (len == 0) {
            out.push_back({i, 1, kReplacement});
            ++i;
            continue;
        }
        char32_t code = len == 1 ? s[i] : s[i] & (0x7F >> len);
        int k = 1;
        for (; k < len && i + k < count && (s[i + k] & 0xC0) == 0x80; ++k)
            code = code << 6 | (s[i + k] & 0x3F);
        if (k < len && i + k >= count)
            return;  // half a character at the end
        const bool valid = k == len && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF) &&
                           !(len == 3 && code < 0x800) && !(len == 4 && code < 0x10000);
        if (!valid) {
            out.push_back({i, 1, kReplacement});
            ++i;
            continue;
        }
        out.push_back({i, len, code});
        i += len;
    }
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

void PrepareTextCodec()
{
    ShiftJis();
}

void DecodeChars(const char* bytes, int count, TextEncoding encoding, std::vector<DecodedChar>& out)
{
    out.clear();
    if (count <= 0)
        return;
    const auto* s = reinterpret_cast<const unsigned char*>(bytes);
    if (encoding == TextEncoding::Utf8)
        DecodeUtf8(s, count, out);
    else
        DecodeShiftJis(s, count, out);
}

std::string DecodeToUtf8(const char* bytes, int count, TextEncoding encoding)
{
    std::vector<DecodedChar> chars;
    DecodeChars(bytes, count, encoding, chars);
    std::string out;
    out.reserve(chars.size() * 3);
    for (const DecodedChar& c : chars)
        AppendUtf8(out, c.code);
    return out;
}

QString DecodeText(const char* bytes, int count, TextEncoding encoding)
{
    const std::string utf8 = DecodeToUtf8(bytes, count, encoding);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string EncodeText(const QString& text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return text.toStdString();
    return EncodeShiftJis(text);
}
