#pragma once
// The start of a file that detection and the import dialog's preview read.

#include <cstddef>
#include <string>

// Whole lines: at least kDetectionWindow bytes (ImportBody.h) and the first
// kHeadLines lines; at most about kHeadLimit bytes (then a line may be cut). The whole file when
// it is shorter; empty when it cannot be read.
constexpr std::size_t kHeadLines = 64;
constexpr std::size_t kHeadLimit = std::size_t(16) << 20;
std::string ReadFileHead(const std::string& path);
