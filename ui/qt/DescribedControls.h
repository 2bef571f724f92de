#pragma once

#include "presenters/WindowDescription.h"

#include <functional>
#include <map>
#include <string>

class QDialog;
class QWidget;

namespace Quiverstep {

// The controls of a Qt dialog made from its window description: named, placed, in Tab
// order, with the default button. Frames hold the controls placed in them.
class DescribedControls
{
public:
    // Also names the dialog, gives it its caption and fixes its size.
    DescribedControls(QDialog &dialog, const WindowDescription &description);

    QWidget *Widget(int id) const { return m_widgets.at(id); }
    template<typename T>
    T *Get(int id) const
    {
        return static_cast<T *>(Widget(id));
    }

    // Calls clicked(id) when a button of the description is clicked.
    void ForwardClicks(const std::function<void(int)> &clicked) const;

    // The operations of WindowView, by the control's kind.
    std::string Text(int id) const;
    void SetText(int id, const std::string &text) const;
    int CheckState(int id) const;
    void SetCheckState(int id, int state) const;
    std::vector<std::string> Entries(int id) const;
    void SetEntries(int id, const std::vector<std::string> &entries) const;
    void InsertEntry(int id, int index, const std::string &text) const;
    void RemoveEntry(int id, int index) const;
    int Selected(int id) const;
    void Select(int id, int index) const;

private:
    bool isList(int id) const { return m_description.Control(id).kind == ControlKind::ListBox; }

    const WindowDescription &m_description;
    std::map<int, QWidget *> m_widgets;
};

} // namespace Quiverstep
