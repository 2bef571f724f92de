#pragma once

#include "presenters/WindowView.h"

#include <string>
#include <vector>

namespace Quiverstep {

// The pattern editor's window: its text boxes, its end-rule radio buttons and its step list.
class PatternEditorView : public WindowView
{
public:
    virtual std::string Text(int control) const = 0;
    virtual void SetText(int control, const std::string &text) = 0;
    virtual bool IsChecked(int control) const = 0;
    // Checks the radio button; the other one of its group goes off.
    virtual void Check(int control) = 0;

    virtual std::vector<std::string> Lines() const = 0;
    virtual void InsertLine(int index, const std::string &text) = 0;
    virtual void DeleteLine(int index) = 0;
    // -1: none.
    virtual int SelectedLine() const = 0;
    // Selects the line (-1: none) without reporting a selection change.
    virtual void SelectLine(int index) = 0;

    // Closes the window; accepted when it leaves with a result.
    virtual void Close(bool accepted) = 0;
};

} // namespace Quiverstep
