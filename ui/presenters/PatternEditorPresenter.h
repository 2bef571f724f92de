#pragma once

#include "presenters/WindowDescription.h"

#include <string>

namespace Quiverstep {

class PatternEditorView;

// The editor of one named dither pattern: its name, its steps and its end rule. Loaded with
// the stored name and body; after Save or a confirmed Remove, Saved() and the name and body
// are the result.
class PatternEditorPresenter
{
public:
    enum Control : int {
        nameLabel = 1101,
        DitherName,
        saveButton,
        cancelButton = CancelControl,
        removeButton = 1104,
        addButton,
        xLabel,
        XStep,
        yLabel,
        YStep,
        stepList,
        Delete,
        MoveUp,
        MoveDown,
        endRuleFrame,
        TopToBottom,
        BottomToTop,
    };
    static const WindowDescription &Description();

    explicit PatternEditorPresenter(PatternEditorView &view);

    void Load(const std::string &name, const std::string &body, bool newPattern);
    void Clicked(int control);
    // The user changed the step list's selection.
    void SelectionChanged();
    // Cancel, Escape and the window frame: the window leaves without a result.
    void Cancel();

    // After Load: the name; after Save or Remove: the name box text.
    const std::string &Name() const { return m_name; }
    // After Load: the body's end marker (the load consumes the body); after Save: the new body.
    const std::string &Body() const { return m_body; }
    bool Saved() const { return m_saved; }     // Save or a confirmed Remove
    bool Removed() const { return m_removed; } // a confirmed Remove

private:
    void addStep();
    void deleteSelectedStep();
    void moveSelectedTo(int target);
    void select(int index);
    void save();
    void removePattern();

    PatternEditorView &m_view;
    std::string m_name;
    std::string m_body;
    bool m_newPattern = false;
    bool m_saved = false;
    bool m_removed = false;
};

} // namespace Quiverstep
