#include "doc/ImportDetect.h"

#include "doc/FieldScanner.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr std::size_t kRecords = 50;

// The first records of a body, split by one delimiter.
struct Sample {
    CFieldScanner scanner;
    std::vector<std::vector<Field>> records;
    bool decimalComma = false;

    bool IsNumber(const Field& f) const
    {
        double v;
        return scanner.Number(f, decimalComma, v);
    }
    bool IsText(const Field& f) const
    {
        std::string scratch;
        return !scanner.Text(f, scratch).empty() && !IsNumber(f);
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
    const CFieldScanner& scanner = sample.scanner;
    for (const char* p = scanner.NextRecord(body.begin); p != end && sample.records.size() < kRecords;) {
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
bool HasHeader(const Sample& sample)
{
    if (sample.records.empty())
        return false;
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

// Below a header, a first column of texts, of rising numbers (line numbers,
// times) or under an empty name labels the H axis; anything else is a series.
FirstColumn DetectFirstColumn(const Sample& sample)
{
    std::string scratch;
    if (sample.scanner.Text(sample.records[0][0], scratch).empty())
        return FirstColumn::Labels;
    bool texts = true, rising = true;
    double first = 0, last = 0;
    for (std::size_t r = 1; r < sample.records.size(); ++r) {
        const Field& f = sample.records[r][0];
        double v;
        if (!sample.scanner.Number(f, sample.decimalComma, v)) {
            rising = false;
            continue;
        }
        texts = false;
        if (r == 1)
            first = v;
        else if (!(v >= last))
            rising = false;
        last = v;
    }
    return texts || (rising && last > first) ? FirstColumn::Labels : FirstColumn::Data;
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

} // namespace

ImportDelimiter DetectDelimiter(const ImportBody& body, char comment)
{
    ImportDelimiter best = ImportDelimiter::Comma;
    double bestShare = 0;
    for (const ImportDelimiter d :
         {ImportDelimiter::Tab, ImportDelimiter::Semicolon, ImportDelimiter::Comma, ImportDelimiter::Blank}) {
        const auto [cells, share] = ModalCount(TakeSample(body, d, comment));
        if (cells < 2)
            continue;
        if (share >= 0.8)
            return d;
        if (share > bestShare) {
            best = d;
            bestShare = share;
        }
    }
    return best;
}

ImportDetection DetectImport(std::string_view text, const ImportOptions& given)
{
    const ImportBody body = ImportBody::Of(text, given.skip);
    ImportDetection d;
    ImportOptions& o = d.options;
    o = given;
    d.lineEnd = body.lineEnd;
    if (o.delimiter == ImportDelimiter::Auto)
        o.delimiter = DetectDelimiter(body, o.comment);
    Sample sample = TakeSample(body, o.delimiter, o.comment);
    o.decimalComma = o.delimiter != ImportDelimiter::Comma && ReadsDecimalComma(sample);
    sample.decimalComma = o.decimalComma;
    o.header = HasHeader(sample);
    o.columns = o.header;
    o.firstColumn = o.header ? DetectFirstColumn(sample) : FirstColumn::Labels;
    d.quoted = AnyQuoted(sample);
    const bool tabs = std::memchr(body.begin, '\t', std::size_t(WindowEnd(body) - body.begin)) != nullptr;
    d.needsDialog = o.header || (o.delimiter != ImportDelimiter::Comma && o.delimiter != ImportDelimiter::Blank)
                    || d.lineEnd == LineEnd::Cr || d.quoted || o.decimalComma || tabs
                    || HasCommentLine(body, o.comment) || given.skip > 0;
    return d;
}

std::string_view DetectionPrefix(std::string_view text)
{
    if (text.size() <= kDetectionWindow)
        return text;
    const std::size_t cut = text.substr(0, kDetectionWindow).find_last_of("\r\n");
    return text.substr(0, cut == std::string_view::npos ? kDetectionWindow : cut + 1);
}
