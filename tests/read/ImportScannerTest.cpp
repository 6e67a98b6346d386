// How a line splits into cells, and where the text may be cut into pieces
// for the threads: only where a sequential reading stands between records.

#include "read/FieldScanner.h"
#include "read/ImportPieces.h"
#include "read/ReadPass.h"
#include "read/ReadProgress.h"
#include "read/ShortDecimal.h"
#include "read/Utf8.h"

#include <fast_float/fast_float.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using D = ImportDelimiter;

// The cells of the first record of text, as texts.
std::vector<std::string> Cells(const std::string& text, D delimiter, char eol = '\n')
{
    const CFieldScanner scanner(delimiter, eol, '#', text.data() + text.size());
    std::vector<std::string> cells;
    std::string scratch;
    scanner.Record(scanner.NextRecord(text.data()),
                   [&](const Field& f) { cells.emplace_back(scanner.Text(f, scratch)); });
    return cells;
}

TEST(FieldScanner, SplitsALineIntoCells)
{
    using V = std::vector<std::string>;
    const struct {
        std::string line;
        D delimiter;
        V cells;
    } cases[] = {
        {"a,b,,c\n", D::Comma, {"a", "b", "", "c"}},
        {" a , b \t,c\r\n", D::Comma, {"a", "b", "c"}},
        {"a,\n", D::Comma, {"a", ""}},
        {"\"x,y\",\"say \"\"hi\"\"\",\"\"\n", D::Comma, {"x,y", "say \"hi\"", ""}},
        {"\"two\nlines\",z\n", D::Comma, {"two\nlines", "z"}},
        {"  \"q\"  ,r\n", D::Comma, {"q", "r"}},
        {"\"ab\"cd,e\n", D::Comma, {"abcd", "e"}},          // text after the closing quote is kept
        {"ab\"c\",d\n", D::Comma, {"ab\"c\"", "d"}},        // a quote inside a cell is a character
        {"\"open,1\n2,3\n", D::Comma, {"open,1\n2,3\n"}},   // never closed: to the end
        {"a;b,c;d\n", D::Semicolon, {"a", "b,c", "d"}},
        {"a\tb c\t\t d\n", D::Tab, {"a", "b c", "", "d"}},
        {"  a  b\t c \r\n", D::Blank, {"a", "b", "c"}},
        {"\"a b\" \"\" c\n", D::Blank, {"a b", "", "c"}},
        {"a,b\rc,d\r", D::Comma, {"a", "b"}},
        {"abcdefghijklmnopqrstuvwxyz0123456789, \"q\" ,x\n", D::Comma,
         {"abcdefghijklmnopqrstuvwxyz0123456789", "q", "x"}},
        {"abcdefghijklmnopqrstuvwxyz0123456789\t  yz\r\n", D::Blank, {"abcdefghijklmnopqrstuvwxyz0123456789", "yz"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cells(c.line, c.delimiter, c.line.back()), c.cells) << c.line;
}

TEST(FieldScanner, NumbersAreWholeCells)
{
    const struct {
        std::string cell;
        bool decimalComma;
        bool number;
        double value;
    } cases[] = {
        {"1.5", false, true, 1.5},      {" -2e3 ", false, true, -2000}, {"+7", false, true, 7},
        {"\" 4 \"", false, true, 4},    {"1,5", true, true, 1.5},      {"1.5", true, false, 0},
        {"12abc", false, false, 0},     {"", false, false, 0},         {"+", false, false, 0},
        {"+-1", false, false, 0},       {"0x10", false, false, 0},     {"1 000", false, false, 0},
        {"\"1\"2", false, false, 0},    {"inf", false, true, INFINITY},
    };
    for (const auto& c : cases) {
        const std::string line = c.cell + "\n";
        const CFieldScanner scanner(D::Semicolon, '\n', '\0', line.data() + line.size());
        Field field;
        scanner.Record(line.data(), [&](const Field& f) { field = f; });
        double v = 0;
        EXPECT_EQ(scanner.Number(field, c.decimalComma, v), c.number) << c.cell;
        if (c.number) {
            EXPECT_EQ(v, c.value) << c.cell;
        }
    }
}

// Decimals of every length, sign and point position, followed by what may
// end a cell: where the short reader takes them, fast_float reads the same
// number to the same byte.
TEST(ShortDecimal, ReadsWhatFastFloatReads)
{
    std::mt19937 rng(11);
    const char ends[] = {',', ';', '\t', ' ', '\n', '\r', 'e', 'x', '.', '-', '"'};
    int taken = 0;
    for (int i = 0; i < 200000; ++i) {
        const char point = rng() % 4 ? '.' : ',';
        std::string text = rng() % 3 ? "" : "-";
        const int digits = 1 + int(rng() % 18), at = int(rng() % (digits + 2));
        for (int d = 0; d < digits; ++d) {
            if (d == at)
                text += point;
            text += char('0' + (rng() % 5 ? rng() % 10 : 0));
        }
        if (rng() % 20 == 0)
            text += point;   // a second point
        text += ends[rng() % std::size(ends)];
        text += std::string(rng() % 3 ? 20 : rng() % 16, '7');   // near the end of the text, or not
        double fast = 0, reference = 0;
        const char* stop = nullptr;
        const char* end = text.data() + text.size();
        if (!ReadShortDecimal(text.data(), end, point, fast, stop))
            continue;
        ++taken;
        const auto r = fast_float::from_chars_advanced(
            text.data(), end, reference, fast_float::parse_options(fast_float::chars_format::general, point));
        ASSERT_EQ(r.ec, std::errc()) << text;
        // fast_float also reads an exponent the short reader leaves alone.
        if (*stop != 'e') {
            ASSERT_EQ(stop, r.ptr) << text;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(fast), std::bit_cast<std::uint64_t>(reference)) << text;
        }
    }
    EXPECT_GT(taken, 50000);   // the common decimals do take the short way
}

// Every position where a sequential reading stands between two records:
// after a record, and at each line it passes over.
std::set<const char*> Boundaries(const CFieldScanner& scanner, const char* p, const char* end, char eol)
{
    std::set<const char*> at{p, end};
    while (p != end) {
        const char* record = scanner.NextRecord(p);
        for (const char* q = p; q != record; ++q)
            if (*q == eol)
                at.insert(q + 1);
        at.insert(record);
        if (record == end)
            break;
        p = scanner.Record(record, [](const Field&) {});
        at.insert(p);
    }
    return at;
}

std::string MessyText(std::mt19937& rng)
{
    static const char* const pieces[] = {"1", "x", "\"", "\"\"", ",", ";", "\t", " ", "\n", "\r", "#", "\n# \"",
                                         "\n#,\"", "\n\n", "\"a\nb\""};
    std::string s;
    for (int n = 1 + int(rng() % 300); n > 0; --n)
        s += pieces[rng() % std::size(pieces)];
    return s;
}

// Lines of cells as files have them, now and then a comment, a blank line,
// a quoted cell (with a line break), a character beyond ASCII or a byte
// that is no UTF-8.
std::string LinedText(std::mt19937& rng, char delimiter, const char* lineEnd)
{
    static const char* const cells[] = {"1",  "-2.5", "x", "", " 7 ", "123456.789", "\"q\"", "\"a\nb\"", "\xC3\xA9", "\xFF"};
    std::string s;
    for (int lines = 1 + int(rng() % 200); lines > 0; --lines) {
        const unsigned kind = rng() % 40;
        if (kind == 0)
            s += "# note, \"quoted";
        else if (kind == 1)
            s += " \t ";
        else
            for (int n = 1 + int(rng() % 15); n > 0; --n) {
                s += rng() % 30 ? cells[rng() % 6] : cells[rng() % std::size(cells)];
                if (n > 1)
                    s += delimiter;
            }
        if (lines > 1 || rng() % 2)
            s += lineEnd;
    }
    return s;
}

// What a sequential reading counts, record after record.
RecordCount SequentialCount(const CFieldScanner& scanner, const char* p, const char* end)
{
    RecordCount count;
    for (p = scanner.NextRecord(p); p != end; p = scanner.NextRecord(p)) {
        std::size_t cells = 0, firstBytes = 0;
        p = scanner.Record(p, [&](const Field& f) {
            if (cells++ == 0)
                firstBytes = std::size_t(f.end - f.begin);
        });
        ++count.records;
        count.widest = std::max(count.widest, cells);
        count.labelBytes += firstBytes;
    }
    return count;
}

// Counted pieces hold whole records: every cut falls where a sequential
// reading stands between records, and the pieces' counts add up to its
// count, on any number of pieces and threads; so does their UTF-8 check.
TEST(ImportPieces, CutsFallBetweenRecords)
{
    std::mt19937 rng(5);
    const D delimiters[] = {D::Comma, D::Tab, D::Semicolon, D::Blank};
    const char delimiterBytes[] = {',', '\t', ';', ' '};
    for (int i = 0; i < 3000; ++i) {
        const int d = int(rng() % 4);
        const char* lineEnd = rng() % 4 ? "\n" : rng() % 2 ? "\r\n" : "\r";
        const std::string text = i % 2 ? MessyText(rng) : LinedText(rng, delimiterBytes[d], lineEnd);
        const char* end = text.data() + text.size();
        const char eol = i % 2 ? (rng() % 4 ? '\n' : '\r') : lineEnd[std::strlen(lineEnd) - 1];
        const CFieldScanner scanner(delimiters[d], eol, rng() % 2 ? '#' : '\0', end);
        const std::set<const char*> boundaries = Boundaries(scanner, text.data(), end, eol);
        const RecordCount whole = SequentialCount(scanner, text.data(), end);
        for (std::size_t parts = 1; parts <= 12; ++parts) {
            CReadProgress progress;
            CReadPass pass(text.data(), end, 1 + unsigned(rng() % 3), progress);
            ImportPieces pieces;
            ASSERT_TRUE(CountPieces(scanner, text.data(), parts, pass, pieces));
            ASSERT_EQ(pieces.cuts.size(), parts + 1);
            RecordCount sum;
            for (std::size_t k = 0; k < pieces.cuts.size(); ++k) {
                ASSERT_TRUE(boundaries.count(pieces.cuts[k]))
                    << "cut " << k << " of " << parts << " at " << pieces.cuts[k] - text.data() << " in\n" << text;
                if (k) {
                    ASSERT_LE(pieces.cuts[k - 1], pieces.cuts[k]);
                    sum.records += pieces.shapes[k - 1].records;
                    sum.widest = std::max(sum.widest, pieces.shapes[k - 1].widest);
                    sum.labelBytes += pieces.shapes[k - 1].labelBytes;
                }
            }
            ASSERT_EQ(sum.records, whole.records) << text;
            ASSERT_EQ(sum.widest, whole.widest) << text;
            ASSERT_EQ(sum.labelBytes, whole.labelBytes) << text;
            ASSERT_EQ(pieces.utf8, IsValidUtf8(text.data(), text.size())) << text;
        }
    }
}

// The quick count of a record's cells agrees with the scanner's, line after
// line, whatever the delimiter and line end, on lines of thousands of cells too.
TEST(FieldScanner, CountAgreesWithRecord)
{
    std::mt19937 rng(8);
    const D delimiters[] = {D::Comma, D::Tab, D::Semicolon, D::Blank};
    static const char* const pieces[] = {"1", "-2.5", "x", ",", ";", "\t", " ", "  ", "\r", "\n", "\"a b\"",
                                         "abcdefghijklmnopq", "\n\n"};
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        for (int n = 1 + int(rng() % 120); n > 0; --n)
            text += pieces[rng() % std::size(pieces)];
        if (i % 100 == 0)
            text += std::string(5000 + rng() % 100, "1,;\t "[i / 100 % 5]) + pieces[rng() % std::size(pieces)];
        const char eol = rng() % 4 ? '\n' : '\r';
        const CFieldScanner scanner(delimiters[rng() % 4], eol, '#', text.data() + text.size());
        for (const char* p = scanner.NextRecord(text.data()); p != text.data() + text.size();) {
            std::size_t cells = 0, firstBytes = 0, recordCells = 0, recordFirst = 0;
            const char* next = scanner.Count(p, cells, firstBytes);
            const char* recordNext = scanner.Record(p, [&](const Field& f) {
                if (recordCells++ == 0)
                    recordFirst = std::size_t(f.end - f.begin);
            });
            ASSERT_EQ(next, recordNext) << text;
            ASSERT_EQ(cells, recordCells) << text;
            ASSERT_EQ(firstBytes, recordFirst) << text;
            p = scanner.NextRecord(next);
        }
    }
}

} // namespace
