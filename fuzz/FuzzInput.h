#pragma once
// Takes a fuzzer's bytes apart: small numbers, flags and finite doubles from
// the front, the rest as a text. Past the end every number is 0.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    bool Flag() { return Byte() & 1; }
    // A number in lo..hi.
    int Int(int lo, int hi)
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = v << 8 | Byte();
        return lo + int(v % uint32_t(hi - lo + 1));
    }
    // Any finite double (what the field rules let through): mostly of a size
    // that data has, now and then any bit pattern.
    double Double()
    {
        if (Byte() >= 16)
            return Int(-1000000, 1000000) * std::pow(10.0, Int(-12, 12));
        uint8_t bytes[8] = {};
        for (uint8_t& b : bytes)
            b = Byte();
        double v = 0.0;
        std::memcpy(&v, bytes, sizeof v);
        return std::isfinite(v) ? v : 0.0;
    }
    // A double in lo..hi.
    double Within(double lo, double hi) { return lo + (hi - lo) * (Int(0, 1 << 20) / double(1 << 20)); }
    // At most n bytes.
    std::string_view Bytes(std::size_t n)
    {
        const std::size_t take = std::min(n, m_size - std::min(m_pos, m_size));
        const std::string_view out(reinterpret_cast<const char*>(m_data) + std::min(m_pos, m_size), take);
        m_pos += take;
        return out;
    }
    std::string_view Rest() { return Bytes(m_size); }

private:
    const uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};
