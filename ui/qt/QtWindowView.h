#pragma once

#include "qt/DescribedControls.h"
#include "qt/MessageBoxes.h"

#include <QDialog>

namespace Quiverstep {

// A window's view in Qt: the controls of its description, and message boxes and questions
// that open over the window.
template<typename View>
class QtWindowView : public View
{
protected:
    QtWindowView(QDialog &window, const WindowDescription &description)
        : m_window(window)
        , m_controls(window, description)
    {}

    std::string Text(int id) const override { return m_controls.Text(id); }
    void SetText(int id, const std::string &text) override { m_controls.SetText(id, text); }
    int CheckState(int id) const override { return m_controls.CheckState(id); }
    void SetCheckState(int id, int state) override { m_controls.SetCheckState(id, state); }
    std::vector<std::string> Entries(int id) const override { return m_controls.Entries(id); }
    void SetEntries(int id, const std::vector<std::string> &entries) override
    {
        m_controls.SetEntries(id, entries);
    }
    void InsertEntry(int id, int index, const std::string &text) override
    {
        m_controls.InsertEntry(id, index, text);
    }
    void RemoveEntry(int id, int index) override { m_controls.RemoveEntry(id, index); }
    int Selected(int id) const override { return m_controls.Selected(id); }
    void Select(int id, int index) override { m_controls.Select(id, index); }

    void ShowMessage(const std::string &text) override
    {
        Quiverstep::ShowMessage(&m_window, QString::fromStdString(text));
    }
    bool AskYesNo(const std::string &text) override
    {
        return Quiverstep::AskYesNo(&m_window, QString::fromStdString(text));
    }

    QDialog &m_window;
    DescribedControls m_controls;
};

} // namespace Quiverstep
