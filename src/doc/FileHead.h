#pragma once
// The start of a file that detection and the import dialog's preview read.

#include <cstddef>
#include <string>

// At least kDetectionWindow bytes (ImportBody.h), and on to the end of the
// line where they stop and of the first kHeadLines lines, so that no line is
// cut; at most kHeadLimit bytes (then a line may be cut). The whole file when
// it is shorter; empty when it cannot be read.
constexpr std::size_t kHeadLines = 64;
constexpr std::size_t kHeadLimit = std::size_t(16) << 20;
std::string ReadFileHead(const std::string& path);
