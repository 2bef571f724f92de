#pragma once

#include "TextFile.h"

#include <string>

namespace Quiverstep {

// A file held in a text, opened for appending; writing or closing fails while told to.
class MemoryTextStream : public TextStream
{
public:
    MemoryTextStream(std::string &text, const bool &failWrite, const bool &failClose)
        : m_text(text)
        , m_failWrite(failWrite)
        , m_failClose(failClose)
    {}
    void Write(std::string_view text) override
    {
        if (m_failWrite)
            throw FileError("cannot write");
        m_text += text;
    }
    void Close() override
    {
        if (m_failClose)
            throw FileError("cannot close");
    }

private:
    std::string &m_text;
    const bool &m_failWrite;
    const bool &m_failClose;
};

} // namespace Quiverstep
