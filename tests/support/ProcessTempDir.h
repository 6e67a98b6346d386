#pragma once
// A folder of this test process's own under the temporary folder: ctest runs
// the tests of one program side by side, each in a process of its own, and a
// shared folder would be removed under a test by another one's tear-down.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

inline std::filesystem::path ProcessTempDir(const std::string& name)
{
    return std::filesystem::path(testing::TempDir()) / (name + "-" + std::to_string(getpid()));
}
