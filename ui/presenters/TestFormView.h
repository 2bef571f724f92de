#pragma once

#include "presenters/WindowView.h"

#include <cstdint>

namespace Quiverstep {

// The test form's window.
class TestFormView : public WindowView
{
public:
    // Shows the settings dialog modally and returns when it has closed.
    virtual void OpenSettings() = 0;
    virtual void ClearPath() = 0;
    // Paints the cell of guide-box position (x, y) in the path colour.
    virtual void PaintPosition(double x, double y, std::int32_t pathColour) = 0;
};

} // namespace Quiverstep
