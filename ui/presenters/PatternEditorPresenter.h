#pragma once

#include "presenters/WindowPresenter.h"

#include <string>

namespace Quiverstep {

// The editor of one named dither pattern: its name, its steps and its end rule. Made with
// the stored name and body; after Save or a confirmed Remove, Saved() and the name and body
// are the result.
class PatternEditorPresenter : public WindowPresenter
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

    PatternEditorPresenter(const std::string &name, const std::string &body, bool newPattern);

    void Load() override;
    // The user changed the step list's selection.
    void SelectionChanged(int control) override;
    // Cancel, Escape and the window frame: the window leaves without a result.
    void Cancel() override;

    // Before Load: as made; after Load: the name; after Save or Remove: the name box text.
    const std::string &Name() const { return m_name; }
    // Before Load: as made; after Load: the body's end marker (the load consumes the body);
    // after Save: the new body.
    const std::string &Body() const { return m_body; }
    bool IsNew() const { return m_newPattern; }
    bool Saved() const { return m_saved; }     // Save or a confirmed Remove
    bool Removed() const { return m_removed; } // a confirmed Remove

private:
    void addStep();
    void deleteSelectedStep();
    void moveSelectedTo(int target);
    void select(int index);
    void save();
    void removePattern();

    std::string m_name;
    std::string m_body;
    bool m_newPattern = false;
    bool m_saved = false;
    bool m_removed = false;
};

} // namespace Quiverstep
