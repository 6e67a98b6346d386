// Label arrays made on several threads, a part each, or by new[]: every
// label made, and each freed the way it was made (AddressSanitizer checks).

#include "doc/LabelArray.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LabelArray, MadeOnThreadsOrByNewAndFreedAsMade)
{
    constexpr std::size_t kCount = 3 * 65536 + 5;   // parts of 65,536 and a short last one
    LabelArray labels = MakeLabels(kCount, 3);
    ASSERT_NE(labels, nullptr);
    std::size_t empty = 0;
    for (std::size_t i = 0; i < kCount; ++i)
        empty += labels[i].empty();
    EXPECT_EQ(empty, kCount);
    for (const std::size_t i : {std::size_t(0), std::size_t(65535), std::size_t(65536), kCount - 1})
        labels[i] = std::string(100, 'x');   // held on the heap
    EXPECT_EQ(labels[kCount - 1].size(), 100u);
    labels.reset();

    LabelArray fromNew = std::make_unique<std::string[]>(3);
    fromNew[1] = std::string(100, 'y');
    fromNew = MakeLabels(2, 0);
    EXPECT_TRUE(fromNew[1].empty());
    EXPECT_EQ(MakeLabels(0, 2), nullptr);
}

} // namespace
