#include "presenters/WindowsUserInterface.h"

#include <stdexcept>

namespace Quiverstep {

PlugInEnvironment &WindowsUserInterface::environment() const
{
    if (!m_environment)
        throw std::logic_error("the windows' user interface used before Attach");
    return *m_environment;
}

} // namespace Quiverstep
