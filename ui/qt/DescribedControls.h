#pragma once

#include "presenters/WindowDescription.h"

#include <map>

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

private:
    std::map<int, QWidget *> m_widgets;
};

} // namespace Quiverstep
