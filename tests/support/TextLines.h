#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace Quiverstep {

// The lines of a text, each ended by `end`; a last piece without it is no line.
inline std::vector<std::string> LinesOf(std::string_view text, std::string_view end = "\n")
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, stop; (stop = text.find(end, start)) != text.npos;
         start = stop + end.size())
        lines.emplace_back(text.substr(start, stop - start));
    return lines;
}

// The lines as one text, each followed by `end`: a long expected sequence then takes a few
// source lines, and a mismatch shows where the two part.
inline std::string Joined(const std::vector<std::string> &lines, std::string_view end = "\n")
{
    std::string text;
    for (const std::string &line : lines)
        text.append(line).append(end);
    return text;
}

// Whether the text holds the part; a failure shows both.
inline ::testing::AssertionResult Contains(const std::string &text, const std::string &part)
{
    if (text.find(part) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << part << "\" is not in \"" << text << "\"";
}

} // namespace Quiverstep
