#pragma once
// The generated data files the reading benchmarks share, and the plain loop
// they are measured against.

#include <cstdio>
#include <random>
#include <string>

// Size in bytes, -1 when the file does not exist.
long long FileSize(const std::string& path);
// The file opened for writing; the program ends when it cannot be.
std::FILE* OpenOrDie(const std::string& path);

// Values of 6 or 7 significant digits over several magnitudes and both
// signs, one after the other, always the same ones.
class CValueText {
public:
    std::string Next();
    // Appends ',' and the next value to line.
    void Append(std::string& line) { line += ',' + Next(); }

private:
    std::mt19937_64 m_rng{20261207};
    std::uniform_real_distribution<double> m_mantissa{1.0, 10.0};
    std::uniform_int_distribution<int> m_exponent{-3, 4}, m_digits{6, 7}, m_sign{0, 3};
};

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
