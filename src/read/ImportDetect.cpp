#include "read/ImportDetect.h"

#include "read/ColumnContent.h"
#include "read/FieldScanner.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr std::size_t kRecords = 50;

// The first records of a body, split by one delimiter.
struct Sample {
    CFieldScanner scanner;
    std::vector<std::vector<Field>> records;
    const char* firstRecord = nullptr;
    bool decimalComma = false;

    CellKind Kind(const Field& f) const
    {
        std::string scratch;
        double v;
        return ClassifyCell(scanner.Text(f, scratch), decimalComma, v);
    }
    bool IsNumber(const Field& f) const
    {
        double v;
        return scanner.Number(f, decimalComma, v);
    }
    bool IsText(const Field& f) const
    {
        const CellKind kind = Kind(f);
        return kind == CellKind::Text || kind == CellKind::Time;
    }
};

const char* WindowEnd(const ImportBody& body)
{
    return body.begin + std::min(std::size_t(body.end - body.begin), kDetectionWindow);
}

Sample TakeSample(const ImportBody& body, ImportDelimiter delimiter, char comment)
{
    const char* end = WindowEnd(body);
    Sample sample{CFieldScanner(delimiter, body.eol, comment, end), {}};
    CFieldScanner& scanner = sample.scanner;
    scanner.SetTableCells(TableCells(body, delimiter, comment, end));
    sample.firstRecord = scanner.NextRecord(body.begin);
    for (const char* p = sample.firstRecord; p != end && sample.records.size() < kRecords;) {
        std::vector<Field> fields;
        const char* next = scanner.Record(p, [&](const Field& f) { fields.push_back(f); });
        if (next == end && end != body.end && end[-1] != body.eol)
            break;   // cut off by the window
        sample.records.push_back(std::move(fields));
        p = scanner.NextRecord(next);
    }
    return sample;
}

// The most frequent number of cells in a record (the larger on a tie) and
// the share of the records that have it.
std::pair<std::size_t, double> ModalCount(const Sample& sample)
{
    std::map<std::size_t, std::size_t> frequency;
    for (const auto& record : sample.records)
        ++frequency[record.size()];
    std::pair<std::size_t, std::size_t> mode{0, 0};
    for (const auto& [cells, n] : frequency)
        if (n >= mode.second)
            mode = {cells, n};
    return {mode.first, sample.records.empty() ? 0.0 : double(mode.second) / double(sample.records.size())};
}

// A run of blanks that holds both a tab and a space: the lines are aligned
// with blanks, not separated by tabs.
bool MixesTabsAndSpaces(const ImportBody& body)
{
    const char* end = WindowEnd(body);
    bool tab = false, space = false;
    for (const char* p = body.begin; p != end; ++p) {
        tab = (tab || *p == '\t') && (*p == '\t' || *p == ' ');
        space = (space || *p == ' ') && (*p == '\t' || *p == ' ');
        if (tab && space)
            return true;
    }
    return false;
}

// Cells that read as numbers with one decimal separator and not the other.
bool ReadsDecimalComma(Sample& sample)
{
    long long commaOnly = 0, pointOnly = 0;
    for (const auto& record : sample.records) {
        for (const Field& f : record) {
            sample.decimalComma = true;
            const bool comma = sample.IsNumber(f);
            sample.decimalComma = false;
            const bool point = sample.IsNumber(f);
            commaOnly += comma && !point;
            pointOnly += point && !comma;
        }
    }
    return commaOnly > pointOnly;
}

// The share of the records after the first whose cell j is a number.
double NumberShare(const Sample& sample, std::size_t j)
{
    std::size_t numbers = 0;
    for (std::size_t r = 1; r < sample.records.size(); ++r)
        numbers += j < sample.records[r].size() && sample.IsNumber(sample.records[r][j]);
    return double(numbers) / double(sample.records.size() - 1);
}

// A line of texts above lines that have numbers where it has texts.
bool HasTextHeader(const Sample& sample)
{
    const std::vector<Field>& first = sample.records[0];
    const auto texts = std::count_if(first.begin(), first.end(), [&](const Field& f) { return sample.IsText(f); });
    const auto numbers = std::count_if(first.begin(), first.end(), [&](const Field& f) { return sample.IsNumber(f); });
    if (texts == 0 || texts < numbers)
        return false;
    if (sample.records.size() == 1)
        return numbers == 0 && first.size() >= 2;
    for (std::size_t j = 0; j < first.size(); ++j)
        if (sample.IsText(first[j]) && NumberShare(sample, j) > 0.5)
            return true;
    return false;
}

// Whether cells from..end of a record, empty ones at the end passed over,
// are at least three years (1000 to 2999) rising in equal steps; from is
// found as the start of the longest such run at the end.
bool HasYears(const Sample& sample, const std::vector<Field>& record, std::size_t& from)
{
    std::size_t end = record.size();
    while (end > 0 && sample.Kind(record[end - 1]) == CellKind::Missing)
        --end;
    std::vector<double> v;   // from the last cell back
    for (std::size_t j = end; j > 0; --j) {
        double x = 0;
        if (!sample.scanner.Number(record[j - 1], sample.decimalComma, x) || x != std::floor(x) || x < 1000
            || x > 2999 || (!v.empty() && !(x < v.back())) || (v.size() >= 2 && v.back() - x != v[0] - v[1]))
            break;
        v.push_back(x);
    }
    from = end - v.size();
    return v.size() >= 3;
}

// A first line of a label (and other texts), then years rising in equal
// steps, above lines whose cells there are no such years: a header of years.
bool HasYearHeader(const Sample& sample)
{
    const std::vector<Field>& first = sample.records[0];
    std::size_t from = 0;
    if (sample.records.size() < 2 || !sample.IsText(first[0]) || !HasYears(sample, first, from)
        || std::any_of(first.begin(), first.begin() + std::ptrdiff_t(from), [&](const Field& f) { return sample.IsNumber(f); }))
        return false;
    std::size_t alike = 0;
    for (std::size_t r = 1; r < sample.records.size(); ++r) {
        std::size_t at = 0;
        alike += HasYears(sample, sample.records[r], at) && at <= from;
    }
    return 2 * alike < sample.records.size() - 1;
}

// Whether cell j holds no number in the records below the first, and a
// text somewhere when text says so.
bool HoldsNoNumber(const Sample& sample, std::size_t j, bool text)
{
    for (std::size_t r = 1; r < sample.records.size(); ++r) {
        const CellKind kind = j < sample.records[r].size() ? sample.Kind(sample.records[r][j]) : CellKind::Missing;
        if (kind == CellKind::Number)
            return false;
        text = text && kind != CellKind::Text;
    }
    return !text;
}

// A header whose names, apart from those of columns of texts alone and of
// unnamed empty ones, are all numbers or all date-times names the columns
// of a file of one series a line (their x values); use then leaves those
// other columns out.
bool NamesColumns(const Sample& sample, std::vector<ColumnPick>& use)
{
    const std::vector<Field>& first = sample.records[0];
    std::vector<char> kept(first.size(), 1);
    std::map<CellKind, std::size_t> kinds;
    for (std::size_t j = 1; j < first.size(); ++j) {
        const CellKind kind = sample.Kind(first[j]);
        if ((kind == CellKind::Text || kind == CellKind::Missing)
            && HoldsNoNumber(sample, j, kind == CellKind::Text))
            kept[j] = 0;
        else
            ++kinds[kind];
    }
    if (kinds.size() != 1 || kinds.begin()->first == CellKind::Text || kinds.begin()->first == CellKind::Missing)
        return false;
    use.clear();
    if (std::count(kept.begin(), kept.end(), 1) == std::ptrdiff_t(kept.size()))
        return true;
    for (std::size_t j = 0; j < kept.size(); ++j) {
        if (!kept[j])
            continue;
        if (j > 0 && kept[j - 1])
            use.back().last = int(j);
        else
            use.push_back({int(j), int(j), {}});
    }
    if (kept.back())
        use.back().last = INT_MAX;
    return true;
}

bool HasCommentLine(const ImportBody& body, char comment)
{
    if (comment == '\0')
        return false;
    const char* end = WindowEnd(body);
    for (const char* p = body.begin; p != end;) {
        if (*p == comment)
            return true;
        const void* eol = std::memchr(p, body.eol, std::size_t(end - p));
        p = eol ? static_cast<const char*>(eol) + 1 : end;
    }
    return false;
}

bool AnyQuoted(const Sample& sample)
{
    for (const auto& record : sample.records)
        for (const Field& f : record)
            if (f.quoted)
                return true;
    return false;
}

// The first column's role, from records spread over the whole body.
FirstColumn DetectFirstColumn(const ImportBody& body, const Sample& sample, const ImportOptions& o)
{
    if (ModalCount(sample).first == 1)
        return FirstColumn::Data;
    CFieldScanner scanner(o.delimiter, body.eol, o.comment, body.end);
    scanner.SetTableCells(TableCells(body, o.delimiter, o.comment, body.end));
    const char* begin = sample.firstRecord;
    if (o.header && CommentHeader(scanner, body, begin, o.comment).empty())
        begin = scanner.Record(begin, [](const Field&) {});
    const std::size_t cell = o.use.empty() ? 0 : std::size_t(o.use.front().first);
    return SampleColumn(scanner, begin, cell, o.decimalComma).Role();
}

// The header and, with it, which way the series run.
void DetectHeader(const ImportBody& body, const Sample& sample, ImportOptions& o)
{
    o.header = false;
    o.columns = ModalCount(sample).first == 1;
    if (sample.records.empty())
        return;
    if (HasTextHeader(sample) || HasYearHeader(sample)) {
        std::vector<ColumnPick> use;
        o.header = true;
        o.columns = !NamesColumns(sample, use);
        if (o.use.empty())
            o.use = use;
    } else if (!CommentHeader(sample.scanner, body, sample.firstRecord, o.comment).empty()) {
        o.header = true;
        o.columns = true;
    }
}

} // namespace

ImportDelimiter DetectDelimiter(const ImportBody& body, char comment)
{
    std::optional<ImportDelimiter> best;
    double bestShare = 0;
    const bool aligned = MixesTabsAndSpaces(body);
    for (const ImportDelimiter d :
         {ImportDelimiter::Tab, ImportDelimiter::Semicolon, ImportDelimiter::Comma, ImportDelimiter::Blank}) {
        if (d == ImportDelimiter::Tab && aligned)
            continue;
        const auto [cells, share] = ModalCount(TakeSample(body, d, comment));
        if (cells >= 2 && share > bestShare) {
            best = d;
            bestShare = share;
        }
    }
    if (best)
        return *best;
    // One cell a line: a comma in it is no delimiter (a decimal comma, say).
    // Lines longer than the window say nothing.
    const char* end = WindowEnd(body);
    const bool sampled = !TakeSample(body, ImportDelimiter::Comma, comment).records.empty();
    return sampled && std::find(body.begin, end, ',') != end ? ImportDelimiter::Tab : ImportDelimiter::Comma;
}

std::size_t TableCells(const ImportBody& body, ImportDelimiter delimiter, char comment, const char* end)
{
    for (const char c : {comment, '\0'}) {
        const CFieldScanner scanner(delimiter, body.eol, c, end);
        const char* p = scanner.NextRecord(body.begin);
        if (p != end)
            return scanner.CellsInLine(p);
    }
    return 0;
}

std::vector<std::string> CommentHeader(const CFieldScanner& scanner, const ImportBody& body, const char* record,
                                       char comment)
{
    if (comment == '\0' || record == scanner.End() || record <= body.begin)
        return {};
    const std::string_view above(body.begin, std::size_t(record - 1 - body.begin));
    const std::size_t eol = above.rfind(body.eol);
    const char* line = eol == std::string_view::npos ? body.begin : body.begin + eol + 1;
    if (*line != comment)
        return {};
    std::vector<std::string> names;
    std::string scratch;
    bool text = false;
    const char* p = line + 1;
    while (p != record && (*p == ' ' || *p == '\t'))
        ++p;
    scanner.InLine(p, [&](const Field& f) {
        double v;
        names.emplace_back(scanner.Text(f, scratch));
        text = text || !scanner.Number(f, false, v);
    });
    if (!text || names.size() != scanner.CellsInLine(record))
        return {};
    return names;
}

ImportDetection DetectImport(std::string_view text, const ImportOptions& given)
{
    const ImportBody body = ImportBody::Of(text, given.skip, given.comment);
    ImportDetection d;
    ImportOptions& o = d.options;
    o = given;
    o.detectHeader = false;
    d.lineEnd = body.lineEnd;
    if (o.delimiter == ImportDelimiter::Auto)
        o.delimiter = DetectDelimiter(body, o.comment);
    Sample sample = TakeSample(body, o.delimiter, o.comment);
    o.decimalComma = o.delimiter != ImportDelimiter::Comma && ReadsDecimalComma(sample);
    sample.decimalComma = o.decimalComma;
    DetectHeader(body, sample, o);
    o.firstColumn = o.columns ? DetectFirstColumn(body, sample, o) : FirstColumn::Labels;
    d.quoted = AnyQuoted(sample);
    const bool tabs = std::memchr(body.begin, '\t', std::size_t(WindowEnd(body) - body.begin)) != nullptr;
    d.needsDialog = o.header || o.columns
                    || (o.delimiter != ImportDelimiter::Comma && o.delimiter != ImportDelimiter::Blank)
                    || d.lineEnd == LineEnd::Cr || d.quoted || o.decimalComma || tabs
                    || HasCommentLine(body, o.comment) || given.skip > 0;
    return d;
}
