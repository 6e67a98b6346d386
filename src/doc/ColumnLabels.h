#pragma once
// The labels of a matrix's columns, kept end to end in one block: a file's
// first column may give millions of them, which the importer's threads
// write in place. Copies share the block, which never changes.

#include <cstddef>
#include <memory>
#include <string_view>

class CColumnLabels {
public:
    CColumnLabels() = default;
    // count labels, label c being text[ends[c - 1], ends[c]) (from 0 for the first).
    CColumnLabels(std::unique_ptr<char[]> text, std::unique_ptr<std::size_t[]> ends, std::size_t count);

    bool IsEmpty() const { return m_count == 0; }
    std::size_t Count() const { return m_count; }
    std::string_view Label(std::size_t c) const;

private:
    std::shared_ptr<const char[]> m_text;
    std::shared_ptr<const std::size_t[]> m_ends;
    std::size_t m_count = 0;
};
