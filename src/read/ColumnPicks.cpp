#include "read/ColumnPicks.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// A column number from 1, read whole; 0 when it is none.
int ColumnNumber(std::string_view s)
{
    int n = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), n);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && !s.empty() && s[0] != '-' && s[0] != '+' ? n : 0;
}

bool IsDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "N", "N-M" or "N-"; anything else not made of digits is a name.
bool ParsePick(std::string_view s, ColumnPick& pick)
{
    const std::size_t dash = s.find('-');
    const std::string_view from = s.substr(0, dash);
    const std::string_view to = dash == std::string_view::npos ? from : s.substr(dash + 1);
    if (!IsDigits(from) || (!to.empty() && !IsDigits(to))) {
        pick = {0, 0, std::string(s)};
        return !s.empty();
    }
    const int first = ColumnNumber(from);
    const int last = to.empty() ? INT_MAX : ColumnNumber(to);
    pick = {first - 1, last == INT_MAX ? INT_MAX : last - 1, {}};
    return first > 0 && last >= first;
}

} // namespace

bool ParseColumnPicks(std::string_view text, std::vector<ColumnPick>& picks)
{
    picks.clear();
    for (;;) {
        const std::size_t comma = text.find(',');
        ColumnPick pick;
        if (!ParsePick(Trim(text.substr(0, comma)), pick))
            return false;
        picks.push_back(std::move(pick));
        if (comma == std::string_view::npos)
            return true;
        text.remove_prefix(comma + 1);
    }
}

std::string FormatColumnPicks(const std::vector<ColumnPick>& picks)
{
    std::string text;
    for (const ColumnPick& p : picks) {
        if (!text.empty())
            text += ',';
        if (!p.name.empty())
            text += p.name;
        else if (p.last == INT_MAX)
            text += std::to_string(p.first + 1) + '-';
        else if (p.last == p.first)
            text += std::to_string(p.first + 1);
        else
            text += std::to_string(p.first + 1) + '-' + std::to_string(p.last + 1);
    }
    return text;
}

bool ResolveColumnPicks(const std::vector<ColumnPick>& picks, const std::vector<std::string>& names,
                        std::size_t count, std::vector<char>& used, ReadFailure& failure)
{
    used.assign(count, picks.empty());
    for (const ColumnPick& p : picks) {
        if (!p.name.empty()) {
            const auto named = std::find(names.begin(), names.end(), p.name);
            if (named == names.end() || std::size_t(named - names.begin()) >= count) {
                failure = {ReadError::NoSuchColumn, "no column of the header is named " + p.name, 0, 0, 0, p.name};
                return false;
            }
            used[std::size_t(named - names.begin())] = 1;
        } else if (std::size_t(p.first) >= count && p.last != INT_MAX) {
            const std::string number = std::to_string(p.first + 1);
            failure = {ReadError::NoSuchColumn,
                       "there is no column " + number + " (the file has " + std::to_string(count) + ")", 0, 0, 0,
                       number};
            return false;
        } else {
            const std::size_t first = std::min<std::size_t>(std::size_t(p.first), count);
            std::fill(used.begin() + std::ptrdiff_t(first),
                      used.begin() + std::ptrdiff_t(std::min<std::size_t>(std::size_t(p.last) + 1, count)), 1);
        }
    }
    return true;
}
