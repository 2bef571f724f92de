#pragma once

#include "presenters/WindowView.h"

namespace Quiverstep {

// The pattern editor's window.
class PatternEditorView : public WindowView
{
public:
    // Closes the window; accepted when it leaves with a result.
    virtual void Close(bool accepted) = 0;
};

} // namespace Quiverstep
