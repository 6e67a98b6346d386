#pragma once
// The row labels of a document: an array of strings made by new[], or by
// MakeLabels on the reading threads, so that the thread that allocates a
// large one does not fault in all its pages alone.

#include <cstddef>
#include <memory>
#include <string>

class CLabelsDelete;
using LabelArray = std::unique_ptr<std::string[], CLabelsDelete>;

class CLabelsDelete {
public:
    CLabelsDelete() = default;
    // For arrays from new[] (std::make_unique<std::string[]>).
    CLabelsDelete(std::default_delete<std::string[]>) {}

    void operator()(std::string* labels) const;

private:
    friend LabelArray MakeLabels(std::size_t count, unsigned threads);
    std::size_t m_room = 0;   // strings the array has room for when MakeLabels laid it out, else 0
    std::size_t m_made = 0;   // strings made in that room
};

// count empty labels, made a part at a time on threads threads (0: one per core).
LabelArray MakeLabels(std::size_t count, unsigned threads);
