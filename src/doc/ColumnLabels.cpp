#include "doc/ColumnLabels.h"

#include <utility>

CColumnLabels::CColumnLabels(std::unique_ptr<char[]> text, std::unique_ptr<std::size_t[]> ends, std::size_t count)
    : m_text(std::move(text)), m_ends(std::move(ends)), m_count(count)
{
}

std::string_view CColumnLabels::Label(std::size_t c) const
{
    const std::size_t begin = c == 0 ? 0 : m_ends[c - 1];
    return std::string_view(m_text.get() + begin, m_ends[c] - begin);
}
