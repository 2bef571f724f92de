#pragma once

#include "win32/DialogWindow.h"

#include <string>

namespace Quiverstep {

// The editor of one named dither pattern: its name, its steps and its end rule. The opener
// sets the members, shows it modally, and reads the result from the members afterwards.
class PatternEditor : public DialogWindow
{
public:
    enum Control : int {
        nameLabel = 1101,
        DitherName,
        saveButton,
        cancelButton = IDCANCEL, // the cancel button: Escape
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

    PatternEditor();

    std::string m_patternBody; // in: the body to edit; out after Save: the new body
    std::string m_patternName; // in: the name; out after Save or Remove: the name box text
    bool m_newPattern = false;
    bool m_saved = false;   // Save or a confirmed Remove
    bool m_removed = false; // a confirmed Remove

protected:
    void build() override;
    void onLoad() override;
    void onCommand(int id, int code, HWND control) override;
    void onCancel() override;

private:
    void addStep();
    void showSelectedStep();
    void deleteSelectedStep();
    void moveStepUp();
    void moveStepDown();
    void save();
    void removePattern();
    void moveSelectedTo(int target);
    int selectedIndex() const;
    int lineCount() const;
    std::string line(int index) const;
    void setLine(int index, const std::string &text);
    void addLine(const std::string &text);
    void select(int index);
    HWND item(Control id) const { return GetDlgItem(m_hwnd, id); }
};

} // namespace Quiverstep
