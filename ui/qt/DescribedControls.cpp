#include "qt/DescribedControls.h"

#include "qt/PathCanvas.h"
#include "qt/WindowLayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace Quiverstep {

namespace {

// Escape presses the window's cancel button; a window without one stays open, where QDialog
// would close it and drop what the user entered.
class EscapeFilter : public QObject
{
public:
    EscapeFilter(QDialog &dialog, QAbstractButton *cancelButton)
        : QObject(&dialog)
        , m_cancelButton(cancelButton)
    {
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress
            || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel))
            return QObject::eventFilter(watched, event);
        if (m_cancelButton && m_cancelButton->isEnabled())
            m_cancelButton->click();
        return true;
    }

private:
    QAbstractButton *m_cancelButton;
};

QWidget *make(const ControlDescription &control, QWidget *parent)
{
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::Button:
        return new QPushButton(text, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::RadioButton:
        return new QRadioButton(text, parent);
    case ControlKind::TextBox:
        return new QLineEdit(text, parent);
    case ControlKind::Label:
        return new QLabel(text, parent);
    case ControlKind::Frame:
        return new QGroupBox(text, parent);
    case ControlKind::DropDownList:
        return new QComboBox(parent);
    case ControlKind::ListBox:
        return new QListWidget(parent);
    case ControlKind::Canvas:
        return new PathCanvas(parent);
    }
    return nullptr;
}

} // namespace

DescribedControls::DescribedControls(QDialog &dialog, const WindowDescription &description)
    : m_description(description)
{
    dialog.setObjectName(QString::fromUtf8(description.name));
    dialog.setWindowTitle(QString::fromUtf8(description.caption));
    MakeFixedDialog(&dialog, description.width, description.height);

    QWidget *previous = nullptr;
    for (const ControlDescription &control : description.controls) {
        QWidget *parent = control.frame ? m_widgets.at(control.frame) : &dialog;
        QWidget *widget = make(control, parent);
        Place(widget,
              QString::fromUtf8(control.name),
              control.left,
              control.top,
              control.width,
              control.height);
        m_widgets[control.id] = widget;
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            // Without a default button, Enter presses none, not even the focused one.
            if (control.id == description.defaultButton)
                button->setDefault(true);
            else if (!description.defaultButton)
                button->setAutoDefault(false);
        }
        if (control.TakesFocus()) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
    new EscapeFilter(dialog,
                     description.cancelButton ? qobject_cast<QAbstractButton *>(
                             m_widgets.at(description.cancelButton))
                                              : nullptr);
}

void DescribedControls::ForwardClicks(const std::function<void(int)> &clicked) const
{
    for (const ControlDescription &control : m_description.controls) {
        if (auto *button = qobject_cast<QPushButton *>(m_widgets.at(control.id))) {
            QObject::connect(button, &QPushButton::clicked, button, [clicked, id = control.id] {
                clicked(id);
            });
        }
    }
}

std::string DescribedControls::Text(int id) const
{
    switch (m_description.Control(id).kind) {
    case ControlKind::TextBox:
        return Get<QLineEdit>(id)->text().toStdString();
    case ControlKind::Label:
        return Get<QLabel>(id)->text().toStdString();
    default:
        return Get<QAbstractButton>(id)->text().toStdString();
    }
}

void DescribedControls::SetText(int id, const std::string &text) const
{
    const QString shown = QString::fromStdString(text);
    switch (m_description.Control(id).kind) {
    case ControlKind::TextBox:
        return Get<QLineEdit>(id)->setText(shown);
    case ControlKind::Label:
        return Get<QLabel>(id)->setText(shown);
    default:
        return Get<QAbstractButton>(id)->setText(shown);
    }
}

// The states 0, 1, 2 (unchecked, checked, grayed) are Qt's 0, 2, 1 and back.
int DescribedControls::CheckState(int id) const
{
    if (m_description.Control(id).kind == ControlKind::RadioButton)
        return Get<QRadioButton>(id)->isChecked() ? 1 : 0;
    return (3 - int(Get<QCheckBox>(id)->checkState())) % 3;
}

// A radio button's group is exclusive: checking one turns the others off.
void DescribedControls::SetCheckState(int id, int state) const
{
    if (m_description.Control(id).kind == ControlKind::RadioButton)
        Get<QRadioButton>(id)->setChecked(state == 1);
    else
        Get<QCheckBox>(id)->setCheckState(Qt::CheckState((3 - state) % 3));
}

std::vector<std::string> DescribedControls::Entries(int id) const
{
    std::vector<std::string> entries;
    if (isList(id)) {
        const auto *list = Get<QListWidget>(id);
        for (int i = 0; i < list->count(); ++i)
            entries.push_back(list->item(i)->text().toStdString());
    } else {
        const auto *box = Get<QComboBox>(id);
        for (int i = 0; i < box->count(); ++i)
            entries.push_back(box->itemText(i).toStdString());
    }
    return entries;
}

void DescribedControls::SetEntries(int id, const std::vector<std::string> &entries) const
{
    const QSignalBlocker blocker(Widget(id));
    if (isList(id))
        Get<QListWidget>(id)->clear();
    else
        Get<QComboBox>(id)->clear();
    for (std::size_t i = 0; i < entries.size(); ++i)
        InsertEntry(id, int(i), entries[i]);
    Select(id, -1);
}

void DescribedControls::InsertEntry(int id, int index, const std::string &text) const
{
    const QSignalBlocker blocker(Widget(id));
    if (isList(id))
        Get<QListWidget>(id)->insertItem(index, QString::fromStdString(text));
    else
        Get<QComboBox>(id)->insertItem(index, QString::fromStdString(text));
}

void DescribedControls::RemoveEntry(int id, int index) const
{
    const QSignalBlocker blocker(Widget(id));
    if (isList(id))
        delete Get<QListWidget>(id)->takeItem(index);
    else
        Get<QComboBox>(id)->removeItem(index);
}

int DescribedControls::Selected(int id) const
{
    if (!isList(id))
        return Get<QComboBox>(id)->currentIndex();
    const auto *list = Get<QListWidget>(id);
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void DescribedControls::Select(int id, int index) const
{
    const QSignalBlocker blocker(Widget(id));
    if (!isList(id)) {
        Get<QComboBox>(id)->setCurrentIndex(index);
        return;
    }
    auto *list = Get<QListWidget>(id);
    list->setCurrentRow(-1);
    list->clearSelection();
    if (index >= 0)
        list->setCurrentRow(index);
}

} // namespace Quiverstep
