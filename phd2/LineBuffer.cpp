#include "LineBuffer.h"

#include "Phd2Messages.h"

namespace Quiverstep::Phd2 {

std::vector<LineBuffer::Piece> LineBuffer::Append(std::string_view bytes)
{
    std::vector<Piece> pieces;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view part = bytes.substr(0, end);
        if (m_skipping) {
            m_skipping = end == std::string_view::npos;
        } else {
            m_pending.append(part);
            if (m_pending.size() >= MaxLineBytes) {
                pieces.push_back({true, {}});
                m_pending.clear();
                m_skipping = end == std::string_view::npos;
            } else if (end != std::string_view::npos) {
                pieces.push_back({false, std::move(m_pending)});
                m_pending.clear();
            }
        }
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return pieces;
}

} // namespace Quiverstep::Phd2
