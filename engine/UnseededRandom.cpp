#include "UnseededRandom.h"

namespace Quiverstep {

double UnseededRandom::Next()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<float>(m_state) / 16777216.0f;
}

} // namespace Quiverstep
