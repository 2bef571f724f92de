#pragma once

#include "presenters/WindowView.h"

namespace Quiverstep {

// The test form's window.
class TestFormView : public WindowView
{
public:
    // Shows the settings dialog modally and returns when it has closed.
    virtual void OpenSettings() = 0;
};

} // namespace Quiverstep
