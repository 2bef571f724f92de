// What the fuzz targets share: reading the input as choices, and checking a promise.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// A promise that an input broke: report it and stop, so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition, what) \
    do { \
        if (!(condition)) { \
            std::fprintf(stderr, "broken promise at %s:%d: %s\n", __FILE__, __LINE__, what); \
            std::abort(); \
        } \
    } while (false)

namespace Quiverstep {

// Numbers at the edges of what the readers take.
inline constexpr double Inf = std::numeric_limits<double>::infinity();
inline constexpr double TellingNumbers[] = {0, 1, -1, 0.5, -0.5, 2.5, 16, 1000, 1e-300, 1e308,
                                            -1e308, 2147483647.0, -2147483648.0, Inf, -Inf,
                                            std::numeric_limits<double>::quiet_NaN()};

// Reads a fuzzer's bytes as a sequence of choices. Past the end every read gives zeros and
// empty texts, so any input is a complete, valid run.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {}

    bool empty() const { return m_pos >= m_size; }

    std::uint8_t byte() { return empty() ? 0 : m_data[m_pos++]; }

    bool flag() { return byte() & 1; }

    // 0 to count - 1.
    std::size_t pick(std::size_t count) { return count == 0 ? 0 : byte() % count; }

    template<typename T>
    T raw()
    {
        T value{};
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char &b : bytes)
            b = byte();
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    // A text of at most `maxLength` bytes: a length byte, then the bytes.
    std::string text(std::size_t maxLength = 255)
    {
        std::size_t length = byte();
        if (length == 255 && maxLength > 255)
            length += raw<std::uint16_t>();
        length = std::min({length, maxLength, m_size - std::min(m_pos, m_size)});
        std::string result(reinterpret_cast<const char *>(m_data) + std::min(m_pos, m_size), length);
        m_pos += length;
        return result;
    }

    // One of the given texts, or a fuzzed one.
    std::string textOr(const std::vector<std::string_view> &choices, std::size_t maxLength = 255)
    {
        const std::size_t i = pick(choices.size() + 1);
        return i < choices.size() ? std::string(choices[i]) : text(maxLength);
    }

    // A number that is often a telling one: zero, halves, limits, infinities, NaN.
    double number()
    {
        const std::size_t i = pick(std::size(TellingNumbers) + 1);
        return i < std::size(TellingNumbers) ? TellingNumbers[i] : raw<double>();
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// The texts of a list written on one line, separated by "|".
inline std::vector<std::string_view> Choices(std::string_view list)
{
    std::vector<std::string_view> result;
    for (std::size_t start = 0, bar = 0; bar != std::string_view::npos; start = bar + 1) {
        bar = list.find('|', start);
        result.push_back(list.substr(start, bar - start));
    }
    return result;
}

} // namespace Quiverstep
