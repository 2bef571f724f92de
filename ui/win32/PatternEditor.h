#pragma once

#include "win32/DialogWindow.h"
#include "win32/MessageBoxes.h"

#include "presenters/PatternEditorPresenter.h"
#include "presenters/PatternEditorView.h"

#include <string>

namespace Quiverstep {

// The pattern editor in Win32. The opener sets the members, shows it modally, and reads the
// result from the members afterwards.
class PatternEditor : public DialogWindow, private MessageBoxView<PatternEditorView>
{
public:
    PatternEditor();

    std::string m_patternBody; // in: the body to edit; out after Save: the new body
    std::string m_patternName; // in: the name; out after Save or Remove: the name box text
    bool m_newPattern = false;
    bool m_saved = false;   // Save or a confirmed Remove
    bool m_removed = false; // a confirmed Remove

protected:
    void onLoad() override;
    void onCommand(int id, int code, HWND control) override;
    void onCancel() override;

private:
    std::string Text(int control) const override;
    void SetText(int control, const std::string &text) override;
    bool IsChecked(int control) const override;
    void Check(int control) override;
    std::vector<std::string> Lines() const override;
    void InsertLine(int index, const std::string &text) override;
    void DeleteLine(int index) override;
    int SelectedLine() const override;
    void SelectLine(int index) override;
    void Close(bool accepted) override;

    void takeResult();
    LRESULT toList(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    PatternEditorPresenter m_presenter;
};

} // namespace Quiverstep
