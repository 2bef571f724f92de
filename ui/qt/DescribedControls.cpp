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

} // namespace Quiverstep
