#pragma once

#include "DialogWindow.h"

#include <string>

namespace Quiverstep {

// The editor of one named dither pattern: its name, its steps and its end rule. The opener
// sets the members, shows it modally, and reads the result from the members afterwards.
class Custom : public DialogWindow
{
public:
    enum Control : int {
        Label1 = 1101,
        DitherName,
        Command1,
        Command2 = IDCANCEL, // the cancel button: Escape
        Command7 = 1104,
        pbAdd,
        Label2,
        XStep,
        Label3,
        YStep,
        List1,
        Delete,
        MoveUp,
        MoveDown,
        Frame1,
        TopToBottom,
        BottomToTop,
    };

    Custom();

    std::string m_sDither;     // in: the body to edit; out after Save: the new body
    std::string m_sDitherName; // in: the name; out after Save or Remove: the name box text
    bool m_bNewPattern = false;
    bool m_bOK = false;     // Save or a confirmed Remove
    bool m_bDelete = false; // a confirmed Remove

protected:
    void build() override;
    void onLoad() override;
    void onCommand(int id, int code, HWND control) override;
    void onCancel() override;

private:
    void pbAdd_Click();
    void List1_Click();
    void Delete_Click();
    void MoveUp_Click();
    void MoveDown_Click();
    void Command1_Click();
    void Command7_Click();
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
