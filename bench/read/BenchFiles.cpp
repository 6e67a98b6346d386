#include "BenchFiles.h"

#include <fast_float/fast_float.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

std::FILE* OpenOrDie(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f) {
        std::perror(path.c_str());
        std::exit(1);
    }
    return f;
}

std::string CValueText::Next()
{
    const double v = m_mantissa(m_rng) * std::pow(10.0, m_exponent(m_rng)) * (m_sign(m_rng) == 0 ? -1 : 1);
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, v, std::chars_format::general, m_digits(m_rng)).ptr};
}

long long FileSize(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? (long long)st.st_size : -1;
}

void GenerateTallFile(const std::string& path, int lines)
{
    std::FILE* f = OpenOrDie(path);
    CValueText values;
    std::string line;
    for (int n = 0; n < lines; ++n) {
        line = "r" + std::to_string(n);
        for (int i = 0; i < 10; ++i)
            values.Append(line);
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), f);
    }
    std::fclose(f);
}

void GenerateWideFile(const std::string& path, int count)
{
    std::FILE* f = OpenOrDie(path);
    CValueText values;
    std::string text;
    for (int r = 0; r < 10; ++r) {
        text = "s" + std::to_string(r);
        for (int c = 0; c < count; ++c) {
            values.Append(text);
            if (text.size() >= (1 << 16)) {
                std::fwrite(text.data(), 1, text.size(), f);
                text.clear();
            }
        }
        text += '\n';
        std::fwrite(text.data(), 1, text.size(), f);
    }
    std::fclose(f);
}

void EnsureFile(const std::string& path, void (*generate)(const std::string&))
{
    if (FileSize(path) < 0) {
        std::printf("writing %s ...\n", path.c_str());
        std::fflush(stdout);
        generate(path);
    }
    std::printf("data file: %s, %.1f MB\n", path.c_str(), double(FileSize(path)) / 1e6);
}

LoopRange FastFloatLoop(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY);
    const std::size_t size = std::size_t(FileSize(path));
    void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (map == MAP_FAILED) {
        std::perror(path.c_str());
        std::exit(1);
    }
    const char* text = static_cast<const char*>(map);
    double min = HUGE_VAL, max = -HUGE_VAL;
    for (const char *p = text, *end = text + size; p < end;) {
        const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        lineEnd = lineEnd ? lineEnd : end;
        for (p = std::find(p, lineEnd, ','); p < lineEnd;) {
            double v = 0.0;
            p = fast_float::from_chars(p + 1, lineEnd, v).ptr;
            min = std::min(min, v);
            max = std::max(max, v);
        }
        p = lineEnd + 1;
    }
    munmap(map, size);
    return {min, max};
}
