#include "doc/FieldScanner.h"

#include "doc/ShortDecimal.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <system_error>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The first c in [p, end), or end.
const char* Find(const char* p, const char* end, char c)
{
    const void* found = std::memchr(p, c, std::size_t(end - p));
    return found ? static_cast<const char*>(found) : end;
}

char DelimiterByte(ImportDelimiter delimiter)
{
    switch (delimiter) {
    case ImportDelimiter::Tab: return '\t';
    case ImportDelimiter::Semicolon: return ';';
    case ImportDelimiter::Blank: return ' ';
    case ImportDelimiter::Auto:
    case ImportDelimiter::Comma: break;
    }
    return ',';
}

// The number of bytes c in [p, end). Sixteen bytes at a time, the matches
// summed in byte lanes that are emptied before they can overflow.
std::size_t CountByte(const char* p, const char* end, char c)
{
    std::size_t n = 0;
#ifdef __SSE2__
    const __m128i needle = _mm_set1_epi8(c);
    while (end - p >= 16) {
        const char* stop = p + std::min<std::size_t>(std::size_t(end - p) / 16, 255) * 16;
        __m128i lanes = _mm_setzero_si128();
        for (; p != stop; p += 16)
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), needle));
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        n += std::size_t(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
    }
#endif
    for (; p != end; ++p)
        n += *p == c;
    return n;
}

// The number of bytes in [p, end) that are no blank but follow one (p itself
// follows none). The blanks of a line are blanks, tabs and CRs.
std::size_t CountRunStarts(const char* p, const char* end)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    std::size_t n = 0;
    unsigned afterBlank = 0;   // whether the byte before the block is a blank
#ifdef __SSE2__
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto blanks = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t'))),
                         _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')))));
        for (unsigned starts = ~blanks & (blanks << 1 | afterBlank) & 0xFFFF; starts; starts &= starts - 1)
            ++n;
        afterBlank = blanks >> 15;
    }
#endif
    for (; p != end; ++p) {
        n += afterBlank && !isBlank(*p);
        afterBlank = isBlank(*p);
    }
    return n;
}

fast_float::parse_options NumberFormat(bool decimalComma)
{
    return fast_float::parse_options(fast_float::chars_format::general, decimalComma ? ',' : '.');
}

// fast_float takes no plus sign; a plus before a digit or point is allowed here.
bool ParseNumber(const char* b, const char* e, bool decimalComma, double& value)
{
    if (e - b > 1 && *b == '+' && b[1] != '-' && b[1] != '+')
        ++b;
    if (b == e)
        return false;
    const auto r = fast_float::from_chars_advanced(b, e, value, NumberFormat(decimalComma));
    return r.ec == std::errc() && r.ptr == e;
}

} // namespace

CFieldScanner::CFieldScanner(ImportDelimiter delimiter, char eol, char comment, const char* end)
    : m_delim(DelimiterByte(delimiter)), m_eol(eol), m_comment(comment),
      m_blankRuns(delimiter == ImportDelimiter::Blank), m_end(end)
{
    for (const char c : {' ', '\t', '\r'})
        m_class[static_cast<unsigned char>(c)] = m_blankRuns ? kBlank | kStop : kBlank;
    if (!m_blankRuns)
        m_class[static_cast<unsigned char>(m_delim)] = kStop;
    m_class[static_cast<unsigned char>(eol)] = kStop;
}

const char* CFieldScanner::SkipBlanks(const char* p) const
{
    while (p != m_end && IsBlank(*p))
        ++p;
    return p;
}

const char* CFieldScanner::TrimEnd(const char* begin, const char* end) const
{
    while (end != begin && IsBlank(end[-1]))
        --end;
    return end;
}

const char* CFieldScanner::LineAfter(const char* p) const
{
    const char* eol = Find(p, m_end, m_eol);
    return eol == m_end ? m_end : eol + 1;
}

const char* CFieldScanner::NextRecord(const char* p) const
{
    while (p != m_end) {
        const bool comment = m_comment != '\0' && *p == m_comment;
        const char* q = SkipBlanks(p);
        if (!comment && q != m_end && *q != m_eol)
            return p;
        p = LineAfter(q);
    }
    return m_end;
}

const char* CFieldScanner::PastQuoted(const char* q, bool& unterminated) const
{
    for (const char* p = q + 1;;) {
        const char* close = Find(p, m_end, '"');
        if (close == m_end) {
            unterminated = true;
            return m_end;
        }
        if (close + 1 == m_end || close[1] != '"')
            return close + 1;
        p = close + 2;
    }
}

Field CFieldScanner::ScanField(const char* p) const
{
    Field f{p, p};
    const char* q = SkipBlanks(p);
    if (q != m_end && *q == '"') {
        f.quoted = true;
        q = PastQuoted(q, f.unterminated);
    }
    while (q != m_end && !Stops(*q))
        ++q;
    f.end = q;
    return f;
}

// A cell that is a plain number ends right after it: it is read at once,
// without a scan for the cell's end. Anything else is scanned as a field.
Field CFieldScanner::ScanCell(const char* p, bool decimalComma, bool& number, double& value) const
{
    const char point = decimalComma ? ',' : '.';
    if (p != m_end && (m_blankRuns || point != m_delim) && !IsBlank(*p) && *p != '"') {
        const char* stop = nullptr;
        if (!ReadShortDecimal(p, m_end, point, value, stop)) {
            const auto r = fast_float::from_chars_advanced(p, m_end, value, NumberFormat(decimalComma));
            stop = r.ec == std::errc() ? r.ptr : nullptr;
        }
        if (stop && (stop == m_end || Stops(*stop))) {
            number = true;
            return Field{p, stop};
        }
        if (stop && *stop == '\r' && stop + 1 != m_end && stop[1] == m_eol) {
            number = true;   // a CR LF line end: the CR belongs to the cell
            return Field{p, stop + 1};
        }
    }
    const Field f = ScanField(p);
    number = Number(f, decimalComma, value);
    return f;
}

const char* CFieldScanner::Count(const char* p, std::size_t& cells, std::size_t& firstBytes) const
{
    const char* eol = Find(p, m_end, m_eol);
    const char* next = eol == m_end ? m_end : eol + 1;
    if (Find(p, eol, '"') != eol) {
        cells = firstBytes = 0;
        return Record(p, [&](const Field& f) {
            if (cells++ == 0)
                firstBytes = std::size_t(f.end - f.begin);
        });
    }
    if (m_blankRuns) {
        const char* first = SkipBlanks(p);
        const char* q = first;
        while (q != eol && !IsBlank(*q))
            ++q;
        firstBytes = std::size_t(q - first);
        cells = (first != eol) + CountRunStarts(q, eol);
        return next;
    }
    cells = 1 + CountByte(p, eol, m_delim);
    firstBytes = std::size_t(Find(p, eol, m_delim) - p);
    return next;
}

std::string_view CFieldScanner::Text(const Field& f, std::string& scratch) const
{
    const char* b = SkipBlanks(f.begin);
    const char* e = TrimEnd(b, f.end);
    if (!f.quoted)
        return {b, std::size_t(e - b)};
    const char* p = b + 1;
    const char* q = Find(p, e, '"');
    if (q + 1 == e)
        return {p, std::size_t(q - p)};   // the common case: nothing to unescape
    scratch.clear();
    for (;;) {
        scratch.append(p, q);
        if (q == e)
            break;                        // never closed
        if (q + 1 != e && q[1] == '"') {
            scratch += '"';
            p = q + 2;
            q = Find(p, e, '"');
            continue;
        }
        scratch.append(q + 1, e);         // what follows the closing quote
        break;
    }
    return scratch;
}

bool CFieldScanner::Number(const Field& f, bool decimalComma, double& value) const
{
    const char* b = SkipBlanks(f.begin);
    const char* e = TrimEnd(b, f.end);
    if (f.quoted) {
        if (e - b < 2 || e[-1] != '"')
            return false;
        b = SkipBlanks(b + 1);
        e = TrimEnd(b, e - 1);
    }
    return ParseNumber(b, e, decimalComma, value);
}

// Whether the quote at q, outside quotes, opens a quoted cell of the record
// that starts at record: it does when only blanks lie between it and the
// start of its cell.
bool CFieldScanner::OpensField(const char* quote, const char* record) const
{
    if (m_blankRuns)
        return quote == record || IsBlank(quote[-1]);
    const char* i = quote;
    while (i != record && IsBlank(i[-1]))
        --i;
    return i == record || i[-1] == m_delim;
}

// Settles the quote at quote, the first after p (which lies outside quotes,
// in the record that starts at record): returns where the walk goes on, again
// outside quotes, and moves record along.
const char* CFieldScanner::PastQuote(const char* quote, const char* p, const char*& record) const
{
    if (const void* eol = memrchr(p, m_eol, std::size_t(quote - p)))
        record = static_cast<const char*>(eol) + 1;
    if (m_comment != '\0' && *record == m_comment)
        return record = LineAfter(quote);
    if (!OpensField(quote, record))
        return quote + 1;
    bool unterminated = false;
    return PastQuoted(quote, unterminated);
}

// The start of the first line after target that begins a record (a line end
// outside quotes lies before it). p and record carry the walk over the quotes
// from one call to the next.
const char* CFieldScanner::CutAfter(const char* target, const char*& p, const char*& record) const
{
    for (;;) {
        target = std::max(target, p);
        const char* eol = Find(target, m_end, m_eol);
        const char* quote = Find(p, eol, '"');
        if (quote == eol) {
            p = record = eol == m_end ? m_end : eol + 1;
            return p;
        }
        p = PastQuote(quote, p, record);
    }
}

std::vector<const char*> CFieldScanner::Split(const char* begin, std::size_t parts) const
{
    std::vector<const char*> cuts{begin};
    const char* p = begin;
    const char* record = begin;
    const std::size_t length = std::size_t(m_end - begin);
    for (std::size_t k = 1; k < parts; ++k)
        cuts.push_back(CutAfter(std::max(begin + length / parts * k, cuts.back()), p, record));
    cuts.push_back(m_end);
    return cuts;
}
