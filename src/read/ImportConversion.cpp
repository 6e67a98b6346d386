#include "read/ImportConversion.h"

#include "doc/DateTime.h"
#include "read/ProgressCheckpoint.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

void NoteQuote(const Field& f, Tally& tally)
{
    if (f.unterminated)
        tally.unterminated = f.begin;
}

} // namespace

void XCells::Take(const CFieldScanner& scanner, const Field& f, std::uint64_t record, std::string& scratch) const
{
    if (kind == XKind::Number) {
        double v;
        values[record] = scanner.Number(f, decimalComma, v) ? v : kMissing;
        return;
    }
    const std::optional<ParsedDateTime> t = ParseDateTime(scanner.Text(f, scratch));
    values[record] = t ? t->seconds : kMissing;
    zones[record] = t && t->offsetSeconds ? *t->offsetSeconds : kNoZone;
}

void ToFirstZone(double* values, const int* zones, std::size_t count)
{
    const int* first = std::find_if(zones, zones + count, [](int z) { return z != XCells::kNoZone; });
    if (first == zones + count)
        return;
    for (std::size_t r = 0; r < count; ++r)
        if (zones[r] != XCells::kNoZone)
            values[r] += double(*first) - double(zones[r]);
}

Tally Conversion::Piece(const char* begin, const char* end, const RecordCount& shape, std::uint64_t record,
                        std::size_t labelAt, CReadProgress& progress) const
{
    return targets ? Targeted(begin, end, shape, record, progress) : Leading(begin, end, shape, record, labelAt, progress);
}

// The common case: leading cells (a label or x) and then values, read in runs.
[[gnu::flatten]] Tally Conversion::Leading(const char* begin, const char* end, const RecordCount& shape,
                                           std::uint64_t record, std::size_t labelAt, CReadProgress& progress) const
{
    Tally tally;
    std::string scratch;
    CProgressCheckpoint checkpoint(begin, end, progress);
    const std::uint64_t last = record + shape.records;
    const std::size_t labelLimit = labelAt + shape.labelBytes;
    ValueOut out;
    out.step = layout.ValueStride();
    out.width = layout.width;
    for (const char* p = scanner.NextRecord(begin); p < end && record < last && checkpoint.At(p); ++record) {
        out.values = data + record * layout.RecordStride();
        std::size_t leading = 0;
        const char* next = scanner.Values(
            p, decimalComma, layout.offset,
            [&](const Field& f) {
                ++leading;
                NoteQuote(f, tally);
                TakeLeading(f, record, labelAt, labelLimit, scratch);
            },
            out);
        for (std::size_t j = out.cells; j < out.width; ++j) {
            out.values[j * out.step] = kMissing;
            ++out.missing;
        }
        if (leading + out.cells < widest && tally.ragged++ == 0)
            tally.firstRagged = p;
        p = scanner.NextRecord(next);
    }
    tally.missing = out.missing;
    tally.range = out.range;
    if (out.unterminated)
        tally.unterminated = out.unterminated;
    tally.labelEnd = labelAt;
    checkpoint.Report(end);
    return tally;
}

// Columns left out or x elsewhere: each cell read as a whole, as its target says.
Tally Conversion::Targeted(const char* begin, const char* end, const RecordCount& shape, std::uint64_t record,
                           CReadProgress& progress) const
{
    Tally tally;
    std::string scratch;
    CProgressCheckpoint checkpoint(begin, end, progress);
    const std::uint64_t last = record + shape.records;
    const std::vector<int>& target = targets->target;
    const std::size_t step = layout.ValueStride();
    for (const char* p = scanner.NextRecord(begin); p < end && record < last && checkpoint.At(p); ++record) {
        double* values = data + record * layout.RecordStride();
        for (std::size_t j = 0; j < layout.width; ++j)
            values[j * step] = kMissing;
        std::size_t cells = 0;
        const char* next = scanner.Record(p, [&](const Field& f) {
            NoteQuote(f, tally);
            TakeCell(cells < target.size() ? target[cells] : CellTargets::kOut, f, record, values, scratch);
            ++cells;
        });
        for (std::size_t j = 0; j < layout.width; ++j) {
            tally.missing += values[j * step] != values[j * step];
            tally.range.Add(values[j * step]);
        }
        if (cells < widest && tally.ragged++ == 0)
            tally.firstRagged = p;
        p = scanner.NextRecord(next);
    }
    checkpoint.Report(end);
    return tally;
}

void Conversion::TakeCell(int target, const Field& f, std::uint64_t record, double* values, std::string& scratch) const
{
    double v;
    if (target >= 0 && scanner.Number(f, decimalComma, v))
        values[std::size_t(target) * layout.ValueStride()] = v;
    else if (target == CellTargets::kX)
        x->Take(scanner, f, record, scratch);
    else if (target == CellTargets::kLabel && rowLabels)
        rowLabels[record].assign(scanner.Text(f, scratch));
    else if (target == CellTargets::kLabel)
        labelStrings[record].assign(scanner.Text(f, scratch));
}

void Conversion::TakeLeading(const Field& f, std::uint64_t record, std::size_t& labelAt, std::size_t labelLimit,
                             std::string& scratch) const
{
    if (x)
        x->Take(scanner, f, record, scratch);
    else if (takeLabels)
        TakeLabel(f, record, labelAt, labelLimit, scratch);
}

void Conversion::TakeLabel(const Field& f, std::uint64_t record, std::size_t& labelAt, std::size_t labelLimit,
                           std::string& scratch) const
{
    const std::string_view text = scanner.Text(f, scratch);
    if (rowLabels) {
        rowLabels[record].assign(text);
        return;
    }
    const std::size_t n = std::min(text.size(), labelLimit - labelAt);   // never cut: the raw cell is longer
    std::memcpy(labelText + labelAt, text.data(), n);
    labelAt += n;
    labelEnds[record] = labelAt;
}
