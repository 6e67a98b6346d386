#include "doc/LabelArray.h"

#include "work/WorkerPool.h"

#include <algorithm>

void CLabelsDelete::operator()(std::string* labels) const
{
    if (m_room == 0) {
        delete[] labels;
        return;
    }
    std::destroy_n(labels, m_made);
    std::allocator<std::string>().deallocate(labels, m_room);
}

LabelArray MakeLabels(std::size_t count, unsigned threads)
{
    constexpr std::size_t kPart = std::size_t(1) << 16;   // labels a thread makes at a time (2 MB)
    if (count == 0)
        return {};
    LabelArray labels(std::allocator<std::string>().allocate(count));
    labels.get_deleter().m_room = count;
    // Should the run fail, the labels made are dropped unmade: empty, they own nothing.
    CWorkerPool::Instance().RunInParallel((count + kPart - 1) / kPart, threads, [&](std::size_t i) {
        const std::size_t first = i * kPart;
        std::uninitialized_default_construct_n(labels.get() + first, std::min(kPart, count - first));
    });
    labels.get_deleter().m_made = count;
    return labels;
}
