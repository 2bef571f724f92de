#include "presenters/WindowDescription.h"

#include <stdexcept>
#include <string>

namespace Quiverstep {

const ControlDescription &WindowDescription::Control(int id) const
{
    for (const ControlDescription &control : controls) {
        if (control.id == id)
            return control;
    }
    throw std::logic_error(std::string(name) + " has no control " + std::to_string(id));
}

int WindowDescription::Left(const ControlDescription &control) const
{
    return control.left + (control.frame ? Left(Control(control.frame)) : 0);
}

int WindowDescription::Top(const ControlDescription &control) const
{
    return control.top + (control.frame ? Top(Control(control.frame)) : 0);
}

} // namespace Quiverstep
