#pragma once

#include "qt/DescribedControls.h"
#include "qt/MessageBoxes.h"
#include "qt/PathCanvas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

namespace Quiverstep {

// A window's view in Qt: the controls of its description, each handled by its kind, and
// message boxes and questions that open over the window.
template<typename View>
class QtWindowView : public View
{
protected:
    QtWindowView(QDialog &window, const WindowDescription &description)
        : m_window(window)
        , m_description(description)
        , m_controls(window, description)
    {}

    std::string Text(int id) const override
    {
        if (kind(id) == ControlKind::TextBox)
            return m_controls.Get<QLineEdit>(id)->text().toStdString();
        if (kind(id) == ControlKind::Label)
            return m_controls.Get<QLabel>(id)->text().toStdString();
        return m_controls.Get<QAbstractButton>(id)->text().toStdString();
    }
    void SetText(int id, const std::string &text) override
    {
        const QString shown = QString::fromStdString(text);
        if (kind(id) == ControlKind::TextBox)
            m_controls.Get<QLineEdit>(id)->setText(shown);
        else if (kind(id) == ControlKind::Label)
            m_controls.Get<QLabel>(id)->setText(shown);
        else
            m_controls.Get<QAbstractButton>(id)->setText(shown);
    }

    // The states 0, 1, 2 (unchecked, checked, grayed) are Qt's 0, 2, 1 and back. A radio
    // button's group is exclusive: checking one turns the others off.
    int CheckState(int id) const override
    {
        if (kind(id) == ControlKind::RadioButton)
            return m_controls.Get<QRadioButton>(id)->isChecked() ? 1 : 0;
        return (3 - int(m_controls.Get<QCheckBox>(id)->checkState())) % 3;
    }
    void SetCheckState(int id, int state) override
    {
        if (kind(id) == ControlKind::RadioButton)
            m_controls.Get<QRadioButton>(id)->setChecked(state == 1);
        else
            m_controls.Get<QCheckBox>(id)->setCheckState(Qt::CheckState((3 - state) % 3));
    }

    std::vector<std::string> Entries(int id) const override
    {
        std::vector<std::string> entries;
        for (int i = 0; i < count(id); ++i)
            entries.push_back(
                    (isList(id) ? list(id)->item(i)->text() : box(id)->itemText(i)).toStdString());
        return entries;
    }
    void SetEntries(int id, const std::vector<std::string> &entries) override
    {
        const QSignalBlocker blocker(m_controls.Widget(id));
        isList(id) ? list(id)->clear() : box(id)->clear();
        for (const std::string &entry : entries)
            InsertEntry(id, count(id), entry);
        Select(id, -1);
    }
    void InsertEntry(int id, int index, const std::string &text) override
    {
        const QSignalBlocker blocker(m_controls.Widget(id));
        if (isList(id))
            list(id)->insertItem(index, QString::fromStdString(text));
        else
            box(id)->insertItem(index, QString::fromStdString(text));
    }
    void RemoveEntry(int id, int index) override
    {
        const QSignalBlocker blocker(m_controls.Widget(id));
        if (isList(id))
            delete list(id)->takeItem(index);
        else
            box(id)->removeItem(index);
    }
    int Selected(int id) const override
    {
        if (!isList(id))
            return box(id)->currentIndex();
        const QList<QListWidgetItem *> selected = list(id)->selectedItems();
        return selected.isEmpty() ? -1 : list(id)->row(selected.first());
    }
    void Select(int id, int index) override
    {
        const QSignalBlocker blocker(m_controls.Widget(id));
        if (!isList(id))
            return box(id)->setCurrentIndex(index);
        list(id)->setCurrentRow(-1);
        list(id)->clearSelection();
        if (index >= 0)
            list(id)->setCurrentRow(index);
    }

    void ClearPath(int id) override { m_controls.Get<PathCanvas>(id)->Clear(); }
    void PaintPosition(int id, double x, double y, std::int32_t pathColour) override
    {
        m_controls.Get<PathCanvas>(id)->PaintPosition(x, y, pathColour);
    }

    void ShowMessage(const std::string &text) override
    {
        Quiverstep::ShowMessage(&m_window, QString::fromStdString(text));
    }
    bool AskYesNo(const std::string &text) override
    {
        return Quiverstep::AskYesNo(&m_window, QString::fromStdString(text));
    }

    QDialog &m_window;
    const WindowDescription &m_description;
    DescribedControls m_controls;

private:
    ControlKind kind(int id) const { return m_description.Control(id).kind; }
    bool isList(int id) const { return kind(id) == ControlKind::ListBox; }
    QListWidget *list(int id) const { return m_controls.Get<QListWidget>(id); }
    QComboBox *box(int id) const { return m_controls.Get<QComboBox>(id); }
    int count(int id) const { return isList(id) ? list(id)->count() : box(id)->count(); }
};

} // namespace Quiverstep
