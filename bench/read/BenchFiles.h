#pragma once
// The generated data files the reading benchmarks share, and the plain loop
// they are measured against.

#include <string>

// Size in bytes, -1 when the file does not exist.
long long FileSize(const std::string& path);

// lines lines of a label and 10 values of 6 or 7 significant digits over
// several magnitudes and both signs (1.03 GB for 10,000,000).
void GenerateTallFile(const std::string& path, int lines);
// 10 lines of a label and count such values each (941 MB for 10,000,000).
void GenerateWideFile(const std::string& path, int count);

// Writes the file with generate(path) unless it exists, and says which it is.
void EnsureFile(const std::string& path, void (*generate)(const std::string&));

struct LoopRange {
    double min, max;
};
// The plain loop to beat: map the file and, in one pass on one thread, skip
// each line's label and convert each value with fast_float, keeping only the
// range (it stores nothing, so it is quicker than a loop that keeps the data).
LoopRange FastFloatLoop(const std::string& path);
