#include "read/ImportNames.h"

#include "doc/DateTime.h"
#include "read/ColumnContent.h"

#include <algorithm>
#include <cstring>

std::unique_ptr<std::string[]> NameLabels(const NameOf& name, std::size_t n)
{
    auto labels = std::make_unique<std::string[]>(n);
    for (std::size_t i = 0; i < n; ++i)
        labels[i] = name(i);
    return labels;
}

CColumnLabels NameColumns(const NameOf& name, std::size_t n)
{
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < n; ++i)
        bytes += name(i).size();
    auto text = std::make_unique_for_overwrite<char[]>(bytes);
    auto ends = std::make_unique_for_overwrite<std::size_t[]>(n);
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view named = name(i);
        std::copy(named.begin(), named.end(), text.get() + at);
        ends[i] = at += named.size();
    }
    return CColumnLabels(std::move(text), std::move(ends), n);
}

CColumnLabels PackColumnLabels(std::unique_ptr<char[]> text, std::unique_ptr<std::size_t[]> ends,
                               const std::vector<RecordCount>& shapes, const std::vector<Tally>& tallies)
{
    std::size_t at = 0, base = 0;
    std::uint64_t record = 0;
    for (std::size_t k = 0; k < shapes.size(); ++k) {
        const std::size_t used = tallies[k].labelEnd - base;
        if (at != base) {
            std::memmove(text.get() + at, text.get() + base, used);
            for (std::uint64_t r = record; r < record + shapes[k].records; ++r)
                ends[r] -= base - at;
        }
        at += used;
        base += shapes[k].labelBytes;
        record += shapes[k].records;
    }
    return CColumnLabels(std::move(text), std::move(ends), record);
}

std::optional<CXValues> NamesAsX(const NameOf& name, std::size_t n, bool decimalComma, std::string xName)
{
    std::vector<double> values(n);
    std::vector<int> zones(n, XCells::kNoZone);
    std::size_t numbers = 0, times = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const CellKind kind = ClassifyCell(name(k), decimalComma, values[k]);
        numbers += kind == CellKind::Number;
        times += kind == CellKind::Time;
        if (kind == CellKind::Time)
            zones[k] = ParseDateTime(name(k))->offsetSeconds.value_or(XCells::kNoZone);
    }
    if (n == 0 || (numbers != n && times != n))
        return std::nullopt;
    ToFirstZone(values.data(), zones.data(), n);
    return CXValues(times == n ? XKind::Time : XKind::Number, std::move(xName), std::move(values));
}
