// Random matrices written as files in every orientation, delimiter, quoting
// and line end read back equal, values bit for bit; and the result of an
// import never depends on how many pieces the text is converted in.

#include "doc/SorvDoc.h"
#include "read/ImportDetect.h"
#include "read/Importer.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

struct Table {
    std::vector<std::string> labels;         // one per series
    std::vector<std::string> columnLabels;   // one per column
    std::vector<std::vector<double>> series; // NaN: an empty cell
};

struct Style {
    bool columns;
    bool header;          // lines: the first line names the columns
    ImportDelimiter delimiter;
    bool quoteAll;
    bool decimalComma;
    const char* lineEnd;
};

class Writer {
public:
    explicit Writer(const Style& s) : m_style(s)
    {
        m_delimiter = s.delimiter == ImportDelimiter::Tab         ? '\t'
                      : s.delimiter == ImportDelimiter::Semicolon ? ';'
                      : s.delimiter == ImportDelimiter::Blank     ? ' '
                                                                  : ',';
    }

    std::string Write(const Table& t) const
    {
        std::string out;
        if (m_style.columns) {
            std::vector<std::string> header{"t"};
            header.insert(header.end(), t.labels.begin(), t.labels.end());
            Line(out, header);
            for (std::size_t c = 0; c < t.columnLabels.size(); ++c) {
                std::vector<std::string> cells{Text(t.columnLabels[c])};
                for (const auto& s : t.series)
                    cells.push_back(Value(s[c]));
                Line(out, cells, true);
            }
            return out;
        }
        if (m_style.header) {
            std::vector<std::string> header{"name"};
            header.insert(header.end(), t.columnLabels.begin(), t.columnLabels.end());
            Line(out, header);
        }
        for (std::size_t r = 0; r < t.series.size(); ++r) {
            std::vector<std::string> cells{Text(t.labels[r])};
            for (double v : t.series[r])
                cells.push_back(Value(v));
            Line(out, cells, true);
        }
        return out;
    }

private:
    Style m_style;
    char m_delimiter;

    // Cells already written (texts quoted where needed) unless raw is false.
    void Line(std::string& out, const std::vector<std::string>& cells, bool written = false) const
    {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i)
                out += m_delimiter;
            out += written ? cells[i] : Text(cells[i]);
        }
        out += m_style.lineEnd;
    }

    std::string Quoted(const std::string& s) const
    {
        std::string q = "\"";
        for (char c : s)
            q += c == '"' ? std::string("\"\"") : std::string(1, c);
        return q + "\"";
    }

    std::string Text(const std::string& s) const
    {
        const bool needs = s.empty() || s.find_first_of(std::string("\"\r\n\t ,;")) != std::string::npos;
        return m_style.quoteAll || needs ? Quoted(s) : s;
    }

    std::string Value(double v) const
    {
        if (std::isnan(v))
            return m_style.quoteAll || m_style.delimiter == ImportDelimiter::Blank ? "\"\"" : "";
        char buf[64];
        std::string s(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
        if (m_style.decimalComma)
            for (char& c : s)
                if (c == '.')
                    c = ',';
        return m_style.quoteAll ? Quoted(s) : s;
    }
};

double RandomValue(std::mt19937_64& rng)
{
    switch (rng() % 8) {
    case 0: return std::nan("");
    case 1: return double(std::int64_t(rng() % 2001) - 1000);
    case 2: return -0.0;
    case 3: return std::ldexp(double(rng() % 1000), -1074 + int(rng() % 40));   // subnormal
    default: {
        double v;
        do
            v = std::bit_cast<double>(rng());
        while (!std::isfinite(v));
        return v;
    }
    }
}

std::string RandomText(std::mt19937_64& rng)
{
    static const char* const pieces[] = {"a", "Sensor", " ", "\"", ",", ";", "\t", "\n", "\r\n", "1.5", "温度", "x y",
                                         "-"};
    std::string s;
    for (int n = int(rng() % 4); n > 0; --n)
        s += pieces[rng() % std::size(pieces)];
    return s;
}

// Texts that unquoted or quoted reading keeps as they are: no blanks at either end.
std::string RandomLabel(std::mt19937_64& rng)
{
    std::string s = RandomText(rng);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.erase(0, 1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.pop_back();
    return s;
}

Table RandomTable(std::mt19937_64& rng)
{
    Table t;
    const std::size_t rows = 1 + rng() % 5, cols = 4 + rng() % 30;
    for (std::size_t r = 0; r < rows; ++r) {
        t.labels.push_back(RandomLabel(rng));
        t.series.emplace_back();
        for (std::size_t c = 0; c < cols; ++c)
            t.series.back().push_back(RandomValue(rng));
    }
    t.series[0][0] = 1.0;   // at least one number
    for (std::size_t c = 0; c < cols; ++c)
        t.columnLabels.push_back(RandomLabel(rng));
    return t;
}

Style RandomStyle(std::mt19937_64& rng)
{
    static const ImportDelimiter delimiters[] = {ImportDelimiter::Comma, ImportDelimiter::Tab,
                                                 ImportDelimiter::Semicolon, ImportDelimiter::Blank};
    static const char* const lineEnds[] = {"\n", "\r\n", "\r"};
    Style s{bool(rng() % 2), bool(rng() % 2), delimiters[rng() % 4], bool(rng() % 2), false, lineEnds[rng() % 3]};
    s.decimalComma = s.delimiter != ImportDelimiter::Comma && rng() % 2;
    return s;
}

ImportOptions OptionsFor(const Style& s)
{
    ImportOptions o;
    o.columns = s.columns;
    o.header = s.columns || s.header;
    o.delimiter = s.delimiter;
    o.firstColumn = FirstColumn::Labels;
    o.comment = '\0';
    o.decimalComma = s.decimalComma;
    return o;
}

void ExpectSameBits(double actual, double expected, const std::string& where)
{
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << where;
    else
        EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected)) << where;
}

TEST(ImportRoundTrip, RandomMatricesReadBackBitForBit)
{
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 1500; ++i) {
        const Table t = RandomTable(rng);
        const Style style = RandomStyle(rng);
        const std::string text = Writer(style).Write(t);
        CImporter importer(OptionsFor(style), 1 + unsigned(rng() % 4), 1 + unsigned(rng() % 3));
        CSorvDoc doc;
        ASSERT_TRUE(importer.Import(text, doc)) << importer.GetFailure().text << "\n" << text;
        const std::size_t rows = t.series.size(), cols = t.columnLabels.size();
        ASSERT_EQ(doc->m_nRows, int(rows)) << text;
        ASSERT_EQ(doc->m_nCols, int(cols)) << text;
        EXPECT_TRUE(importer.GetWarnings().empty()) << importer.GetWarnings()[0].text << "\n" << text;
        for (std::size_t r = 0; r < rows; ++r) {
            EXPECT_EQ(doc->m_pLabels[r], t.labels[r]) << text;
            for (std::size_t c = 0; c < cols; ++c)
                ExpectSameBits(doc->Value(int(r), int(c)), t.series[r][c], text);
        }
        if (style.columns || style.header) {
            ASSERT_EQ(doc->m_columnLabels.Count(), cols);
            for (std::size_t c = 0; c < cols; ++c)
                EXPECT_EQ(doc->m_columnLabels.Label(c), t.columnLabels[c]) << text;
        }
        if (HasFailure())
            return;
    }
}

// Texts of quotes, delimiters, line ends, comments and numbers in any order.
std::string MessyText(std::mt19937_64& rng)
{
    static const char* const pieces[] = {"1", "-2.5", "x", "\"", "\"\"", ",", ";", "\t", " ", "\n", "\r\n", "\r",
                                         "#", "\n#c\"\n", "\n# \"c\n", "\n#,\"\n", "3e1", "\n\n"};
    std::string s;
    for (int n = 1 + int(rng() % 200); n > 0; --n)
        s += pieces[rng() % std::size(pieces)];
    return s;
}

// Everything an import gives, to compare one with another.
struct Outcome {
    bool ok;
    ReadError code;
    int rows, cols, missing;
    std::vector<std::string> labels, columnLabels;
    std::vector<std::uint64_t> bits;
    std::vector<std::string> warnings;

    bool operator==(const Outcome&) const = default;
};

Outcome ImportWith(const std::string& text, const ImportOptions& options, unsigned pieces, unsigned threads)
{
    CImporter importer(options, pieces, threads);
    CSorvDoc doc;
    Outcome o{importer.Import(text, doc), importer.GetFailure().code, doc->m_nRows, doc->m_nCols, doc->m_nMissing,
              {}, {}, {}, {}};
    for (int r = 0; r < doc->m_nRows; ++r)
        o.labels.push_back(doc->m_pLabels[r]);
    for (std::size_t c = 0; c < doc->m_columnLabels.Count(); ++c)
        o.columnLabels.emplace_back(doc->m_columnLabels.Label(c));
    for (std::size_t i = 0; i < std::size_t(doc->m_nRows) * std::size_t(doc->m_nCols); ++i)
        o.bits.push_back(std::bit_cast<std::uint64_t>(CellAt(doc.Data(), i)));
    for (const ImportWarning& w : importer.GetWarnings())
        o.warnings.push_back(w.text);
    return o;
}

TEST(ImportRoundTrip, ResultDoesNotDependOnThePieces)
{
    std::mt19937_64 rng(99);
    static const ImportDelimiter delimiters[] = {ImportDelimiter::Comma, ImportDelimiter::Tab,
                                                 ImportDelimiter::Semicolon, ImportDelimiter::Blank};
    for (int i = 0; i < 3000; ++i) {
        const std::string text = MessyText(rng);
        ImportOptions options;
        options.columns = rng() % 2;
        options.header = rng() % 2;
        options.firstColumn = FirstColumn(rng() % 3);
        options.delimiter = delimiters[rng() % 4];
        options.skip = int(rng() % 3);
        options.comment = rng() % 2 ? '#' : '\0';
        const Outcome one = ImportWith(text, options, 1, 1);
        const unsigned pieces = 2 + unsigned(rng() % 9), threads = 1 + unsigned(rng() % 4);
        ASSERT_TRUE(ImportWith(text, options, pieces, threads) == one)
            << pieces << " pieces on " << threads << " threads of\n" << text;
    }
}

// Any bytes at all, with any options or detected ones: the import succeeds
// with a consistent document or fails with a reason; nothing else.
TEST(ImportRoundTrip, AnyBytesImportOrFailCleanly)
{
    std::mt19937_64 rng(3);
    static const char specials[] = {',', ';', '\t', ' ', '\n', '\r', '"', '#', '.', '-', '0', '5', '\0', '\xEF'};
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        for (int n = int(rng() % 400); n > 0; --n)
            text += rng() % 3 ? specials[rng() % std::size(specials)] : char(rng());
        const ImportDetection detected = DetectImport(text);
        ASSERT_NE(detected.options.delimiter, ImportDelimiter::Auto);
        ImportOptions options = detected.options;
        if (rng() % 2) {
            options.columns = rng() % 2;
            options.header = rng() % 2;
            options.firstColumn = FirstColumn(rng() % 3);
            options.decimalComma = rng() % 2;
            options.skip = int(rng() % 3);
        }
        CImporter importer(options, 1 + unsigned(rng() % 5), 2);
        CSorvDoc doc;
        if (!importer.Import(text, doc)) {
            EXPECT_NE(importer.GetFailure().code, ReadError::None);
            EXPECT_FALSE(importer.GetFailure().text.empty());
            EXPECT_TRUE(doc->IsEmpty());
            continue;
        }
        const std::size_t cells = std::size_t(doc->m_nRows) * std::size_t(doc->m_nCols);
        ASSERT_GE(cells, 4u);
        std::size_t missing = 0;
        for (std::size_t c = 0; c < cells; ++c)
            missing += std::isnan(CellAt(doc.Data(), c));
        EXPECT_EQ(std::size_t(doc->m_nMissing), missing);
        EXPECT_LT(missing, cells);
        EXPECT_TRUE(doc->m_columnLabels.IsEmpty() || doc->m_columnLabels.Count() == std::size_t(doc->m_nCols));
        EXPECT_TRUE(doc.RegionInMatrix());
    }
}

} // namespace
