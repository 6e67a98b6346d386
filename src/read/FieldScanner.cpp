#include "read/FieldScanner.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <bit>
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

// What one pass over a line of cells separated by one delimiter byte finds.
struct LineCount {
    const char* eol = nullptr;              // its line-end byte, or the end of the text
    std::size_t delimiters = 0;             // before it
    const char* firstDelimiter = nullptr;   // the first of them; eol when there is none
    bool quote = false;                     // a double quote lies before it
};

// Sixteen bytes at a time while the text has them, the delimiters summed in
// byte lanes that are emptied before they can overflow.
LineCount CountLine(const char* p, const char* end, char eol, char delimiter)
{
    LineCount line;
#ifdef __SSE2__
    const __m128i eols = _mm_set1_epi8(eol), delimiters = _mm_set1_epi8(delimiter), quotes = _mm_set1_epi8('"');
    const __m128i positions = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const auto sum = [](__m128i lanes) {
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        return std::size_t(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
    };
    __m128i lanes = _mm_setzero_si128(), quoted = _mm_setzero_si128();
    for (int blocks = 1; end - p >= 16; p += 16, ++blocks) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto eolBits = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, eols)));
        __m128i isDelimiter = _mm_cmpeq_epi8(bytes, delimiters), isQuote = _mm_cmpeq_epi8(bytes, quotes);
        if (eolBits) {
            // Only the bytes before the line end count.
            const int length = std::countr_zero(eolBits);
            const __m128i inLine = _mm_cmplt_epi8(positions, _mm_set1_epi8(char(length)));
            isDelimiter = _mm_and_si128(isDelimiter, inLine);
            isQuote = _mm_and_si128(isQuote, inLine);
            line.eol = p + length;
        }
        if (!line.firstDelimiter) {
            if (const auto bits = unsigned(_mm_movemask_epi8(isDelimiter)))
                line.firstDelimiter = p + std::countr_zero(bits);
        }
        lanes = _mm_sub_epi8(lanes, isDelimiter);
        quoted = _mm_or_si128(quoted, isQuote);
        if (line.eol)
            break;
        if (blocks == 255) {
            line.delimiters += sum(lanes);
            lanes = _mm_setzero_si128();
            blocks = 0;
        }
    }
    line.delimiters += sum(lanes);
    line.quote = _mm_movemask_epi8(quoted) != 0;
#endif
    if (!line.eol) {
        for (; p != end && *p != eol; ++p) {
            if (*p == delimiter) {
                if (!line.firstDelimiter)
                    line.firstDelimiter = p;
                ++line.delimiters;
            }
            line.quote |= *p == '"';
        }
        line.eol = p;
    }
    if (!line.firstDelimiter)
        line.firstDelimiter = line.eol;
    return line;
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
    const char stops[4] = {m_blankRuns ? ' ' : m_delim, '\t', '\r', eol};
    for (int k = 0; k < 4; ++k)
        std::memset(m_stopRows[k], Stops(stops[k]) ? stops[k] : eol, 16);
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

const char* CFieldScanner::PastNonRecords(const char* p) const
{
    while (p != m_end) {
        const bool comment = m_comment != '\0' && *p == m_comment && !IsTableLine(p);
        const char* q = SkipBlanks(p);
        if (!comment && q != m_end && *q != m_eol)
            return p;
        p = LineAfter(q);
    }
    return m_end;
}

CFieldScanner CFieldScanner::LineScanner(const char* p) const
{
    CFieldScanner line = *this;
    line.m_end = Find(p, m_end, m_eol);
    line.m_tableCells = 0;
    return line;
}

std::size_t CFieldScanner::CellsInLine(const char* p) const
{
    std::size_t cells = 0;
    InLine(p, [&](const Field&) { ++cells; });
    return cells;
}

// Labels such as "#87" begin with the comment character too: a line shaped
// as the table's, with a number after its first cell, is data.
bool CFieldScanner::IsTableLine(const char* p) const
{
    if (m_tableCells == 0)
        return false;
    const CFieldScanner line = LineScanner(p);
    std::size_t cells = 0;
    bool number = false;
    line.Record(p, [&](const Field& f) {
        double v;
        number = number || (cells++ > 0 && (line.Number(f, false, v) || line.Number(f, true, v)));
    });
    return cells == m_tableCells && number;
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
    f.end = FindStop(q);
    return f;
}

// The first byte from p on that ends a cell, or the end; sixteen bytes at a
// time where the text has them.
const char* CFieldScanner::FindStop(const char* p) const
{
#ifdef __SSE2__
    const auto row = [this](int k) { return _mm_load_si128(reinterpret_cast<const __m128i*>(m_stopRows[k])); };
    for (; m_end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i stops = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, row(0)), _mm_cmpeq_epi8(bytes, row(1))),
                                           _mm_or_si128(_mm_cmpeq_epi8(bytes, row(2)), _mm_cmpeq_epi8(bytes, row(3))));
        if (const auto bits = unsigned(_mm_movemask_epi8(stops)))
            return p + std::countr_zero(bits);
    }
#endif
    while (p != m_end && !Stops(*p))
        ++p;
    return p;
}

// A cell that the short reader did not take: fast_float reads it from its
// start, or the cell is scanned and read as a whole.
Field CFieldScanner::ScanOtherCell(const char* p, Reading reading, bool& number, double& value) const
{
    if (reading.fromStart && p != m_end && !IsBlank(*p) && *p != '"') {
        const auto r = fast_float::from_chars_advanced(p, m_end, value, NumberFormat(reading.decimalComma));
        if (r.ec == std::errc()) {
            if (const char* end = NumberEnd(r.ptr)) {
                number = true;
                return Field{p, end};
            }
        }
    }
    const Field f = ScanField(p);
    number = Number(f, reading.decimalComma, value);
    return f;
}

// The loop that most cells take, one record's run of short plain decimals:
// each value straight into out, without a scan for the cell's end.
const char* CFieldScanner::ReadDecimals(const char* p, Reading reading, ValueOut& out, bool& ended) const
{
    // Held here, where the values written cannot touch them.
    ValueRange range = out.range;
    std::size_t cells = out.cells;
    double value = 0;
    const char* stop = nullptr;
    while (cells < out.width && p != m_end && ReadShortDecimal(p, m_end, reading.point, value, stop)) {
        const char* end = NumberEnd(stop);
        if (!end)
            break;
        out.values[cells++ * out.step] = value;
        range.Add(value);
        if (end == m_end || *end == m_eol) {
            ended = true;
            p = end == m_end ? m_end : end + 1;
            break;
        }
        p = end + 1;
    }
    out.range = range;
    out.cells = cells;
    return p;
}

const char* CFieldScanner::Count(const char* p, std::size_t& cells, std::size_t& firstBytes) const
{
    if (!m_blankRuns) {
        const LineCount line = CountLine(p, m_end, m_eol, m_delim);
        if (!line.quote) {
            cells = 1 + line.delimiters;
            firstBytes = std::size_t(line.firstDelimiter - p);
            return line.eol == m_end ? m_end : line.eol + 1;
        }
        return CountFields(p, cells, firstBytes);
    }
    const char* eol = Find(p, m_end, m_eol);
    if (Find(p, eol, '"') != eol)
        return CountFields(p, cells, firstBytes);
    const char* first = SkipBlanks(p);
    const char* q = first;
    while (q != eol && !IsBlank(*q))
        ++q;
    firstBytes = std::size_t(q - first);
    cells = (first != eol) + CountRunStarts(q, eol);
    return eol == m_end ? m_end : eol + 1;
}

void RecordCount::Add(std::size_t cells, std::size_t firstBytes, const char* next)
{
    ++records;
    widest = std::max(widest, cells);
    labelBytes += firstBytes;
    reach = next;
}

// Count for a record with quotes, which may hold delimiters and line breaks.
const char* CFieldScanner::CountFields(const char* p, std::size_t& cells, std::size_t& firstBytes) const
{
    cells = firstBytes = 0;
    return Record(p, [&](const Field& f) {
        if (cells++ == 0)
            firstBytes = std::size_t(f.end - f.begin);
    });
}

// The text of a quoted cell [b, e), without its quotes.
std::string_view CFieldScanner::Unquoted(const char* b, const char* e, std::string& scratch) const
{
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

bool CFieldScanner::ReadNumber(std::string_view text, bool decimalComma, double& value)
{
    return ParseNumber(text.data(), text.data() + text.size(), decimalComma, value);
}

void CFieldScanner::Split(const char* begin, std::size_t parts, std::vector<const char*>& cuts) const
{
    cuts.assign(parts + 1, m_end);
    cuts[0] = begin;
    const std::size_t length = std::size_t(m_end - begin);
    for (std::size_t k = 1; k < parts; ++k)
        cuts[k] = LineAfter(std::max(begin + length / parts * k, cuts[k - 1]));
}
