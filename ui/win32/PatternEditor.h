#pragma once

#include "win32/Win32WindowView.h"

#include "presenters/PatternEditorPresenter.h"
#include "presenters/PatternEditorView.h"

#include <string>

namespace Quiverstep {

// The pattern editor in Win32. The opener sets the members, shows it modally, and reads the
// result from the members afterwards.
class PatternEditor : public Win32WindowView<PatternEditorView>
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
    void Close(bool accepted) override;

    void takeResult();

    PatternEditorPresenter m_presenter;
};

} // namespace Quiverstep
