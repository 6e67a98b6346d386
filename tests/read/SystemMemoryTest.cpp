// The memory a read may take: the least of what the system, the address-space
// limit and the control group allow, so that a matrix larger than that is
// refused with a message instead of the kernel ending the program.

#include "doc/SorvDoc.h"
#include "read/RowReader.h"
#include "read/SystemMemory.h"
#include "support/MemoryLimit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

constexpr std::uint64_t kLimit = 300u << 20;

// A ragged text of 280 KB whose matrix takes 16 GB: one line of 100,000
// values over 20,000 lines of one.
std::string RaggedText()
{
    std::string text = "wide";
    for (int c = 0; c < 100000; ++c)
        text += ",1";
    text += "\n";
    for (int r = 0; r < 20000; ++r)
        text += "a,1\n";
    return text;
}

// The read is refused for its size, in words.
int RefusesTheMatrix()
{
    CSorvDoc doc;
    ReadFailure error;
    return !ReadText(doc, RaggedText(), error) && error.code == ReadError::TooLarge ? 0 : 1;
}

// A memory control group limited to kLimit that this test may make (version
// 2, or version 1's memory controller): the folder, and the file its
// processes are written to; empty when none can be made here.
struct Group {
    std::filesystem::path dir;
    bool Make()
    {
        for (const auto& [root, limitFile] : {std::pair{"/sys/fs/cgroup", "memory.max"},
                                              std::pair{"/sys/fs/cgroup/memory", "memory.limit_in_bytes"}}) {
            std::error_code ec;
            const std::filesystem::path d = std::filesystem::path(root) / ("sorv-test-" + std::to_string(getpid()));
            if (!std::filesystem::create_directory(d, ec))
                continue;
            std::ofstream(d / limitFile) << kLimit;
            if (std::ifstream(d / limitFile) >> std::ws && std::filesystem::exists(d / "cgroup.procs")) {
                dir = d;
                return true;
            }
            std::filesystem::remove(d, ec);
        }
        return false;
    }
    ~Group()
    {
        std::error_code ec;
        if (!dir.empty())
            std::filesystem::remove(dir, ec);
    }
};

}  // namespace

TEST(SystemMemory, AddressSpaceLimit)
{
    if (!AddressSpaceCanBeLimited())
        GTEST_SKIP() << "the sanitizers reserve the address space a limit would cut";
    EXPECT_EQ(RunWithMemoryLimit(kLimit, [] { return AvailableMemory() <= kLimit ? RefusesTheMatrix() : 2; }), 0);
}

TEST(SystemMemory, ControlGroupLimit)
{
    Group group;
    if (!group.Make())
        GTEST_SKIP() << "no memory control group can be made on this machine (not root, or no writable cgroup file system)";
    const int status = RunInChild([&] {
        std::ofstream(group.dir / "cgroup.procs") << getpid() << std::endl;
        return AvailableMemory() <= kLimit ? RefusesTheMatrix() : 2;
    });
    EXPECT_EQ(status, 0);
}
