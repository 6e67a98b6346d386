#pragma once
// The labels of a matrix's columns, kept end to end in one string: a file's
// first column may give millions of them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CColumnLabels {
public:
    CColumnLabels() = default;
    // Label c is text[ends[c - 1], ends[c]) (from 0 for the first).
    CColumnLabels(std::string text, std::vector<std::size_t> ends);

    bool IsEmpty() const { return m_ends.empty(); }
    std::size_t Count() const { return m_ends.size(); }
    std::string_view Label(std::size_t c) const;

private:
    std::string m_text;
    std::vector<std::size_t> m_ends;
};
