#include "doc/ColumnLabels.h"

#include <utility>

CColumnLabels::CColumnLabels(std::string text, std::vector<std::size_t> ends)
    : m_text(std::move(text)), m_ends(std::move(ends))
{
}

std::string_view CColumnLabels::Label(std::size_t c) const
{
    const std::size_t begin = c == 0 ? 0 : m_ends[c - 1];
    return std::string_view(m_text).substr(begin, m_ends[c] - begin);
}
