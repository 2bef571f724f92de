#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Quiverstep::Phd2 {

// Splits a client's bytes into lines as PHD2 reads them: at LF, at most 1023 bytes before it.
class LineBuffer
{
public:
    struct Piece
    {
        bool tooBig = false; // a line over the limit; PHD2 answers it with "too big"
        std::string line;    // without its LF
    };

    std::vector<Piece> Append(std::string_view bytes);

private:
    std::string m_pending;
    // After an overlong line, the rest of it up to its LF is dropped, so that its tail is
    // not read as a request of its own.
    bool m_skipping = false;
};

} // namespace Quiverstep::Phd2
