#include "qt/QtWindowView.h"

#include "qt/PathCanvas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

namespace Quiverstep {

namespace {

// The layouts were made for an 8 point dialog font; larger captions would be clipped.
constexpr int DialogPointSize = 8;

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

// A message box of the program's title, its text plain, never markup.
int showBox(QWidget *parent,
            const std::string &text,
            QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    QMessageBox box(parent);
    box.setWindowTitle("Quiverstep");
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

QtWindowView::QtWindowView(WindowPresenter &presenter, QWidget *parent)
    : QDialog(parent)
    , m_presenter(presenter)
{
    const WindowDescription &description = presenter.Description();
    setObjectName(QString::fromUtf8(description.name));
    setWindowTitle(QString::fromUtf8(description.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(description.width, description.height);
    setSizeGripEnabled(false);
    QFont dialogFont = font();
    dialogFont.setPointSize(DialogPointSize);
    setFont(dialogFont);

    QWidget *previous = nullptr;
    for (const ControlDescription &control : description.controls) {
        QWidget *widget = make(control, control.frame ? m_controls.at(control.frame) : this);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(control.left, control.top, control.width, control.height);
        m_controls[control.id] = widget;
        if (control.TakesFocus()) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
        const int id = control.id;
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            // Without a default button, Enter presses none, not even the focused one.
            if (id == description.defaultButton)
                button->setDefault(true);
            else if (!description.defaultButton)
                button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, id] { m_presenter.Clicked(id); });
        } else if (auto *checkBox = qobject_cast<QCheckBox *>(widget)) {
            // A box opened grayed (a stored "2") is two-state from its first click on, so
            // that a click never brings the gray back.
            connect(checkBox, &QCheckBox::clicked, checkBox, [checkBox] {
                checkBox->setTristate(false);
            });
        } else if (auto *dropDown = qobject_cast<QComboBox *>(widget)) {
            // It takes the wheel only with the focus; see eventFilter.
            dropDown->setFocusPolicy(Qt::StrongFocus);
            dropDown->installEventFilter(this);
            connect(dropDown, &QComboBox::currentIndexChanged, this, [this, id] {
                m_presenter.SelectionChanged(id);
            });
        } else if (auto *listBox = qobject_cast<QListWidget *>(widget)) {
            connect(listBox, &QListWidget::itemSelectionChanged, this, [this, id] {
                m_presenter.SelectionChanged(id);
            });
        }
    }
    m_presenter.Attach(*this);
}

void QtWindowView::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_presenter.Load();
}

bool QtWindowView::eventFilter(QObject *watched, QEvent *event)
{
    // A wheel turned while the mouse passes over a drop-down list must not change the choice
    // (nor open the pattern editor from the add entry): the window gets it instead.
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox *>(watched)
        && !static_cast<QWidget *>(watched)->hasFocus()) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void QtWindowView::keyPressEvent(QKeyEvent *event)
{
    // QDialog would close a window without a cancel button and drop what the user entered.
    if (!event->matches(QKeySequence::Cancel))
        return QDialog::keyPressEvent(event);
    const int cancel = m_presenter.Description().cancelButton;
    if (cancel && control(cancel)->isEnabled())
        control<QAbstractButton>(cancel)->click();
}

void QtWindowView::showEvent(QShowEvent *event)
{
    Load();
    QDialog::showEvent(event);
}

ControlKind QtWindowView::kind(int id) const
{
    return m_presenter.Description().Control(id).kind;
}

// Text boxes, labels and buttons all hold it in their "text" property.
std::string QtWindowView::Text(int id) const
{
    return control(id)->property("text").toString().toStdString();
}

void QtWindowView::SetText(int id, const std::string &text)
{
    QString shown = QString::fromStdString(text);
    if (kind(id) == ControlKind::Label) // a label breaks lines at LF alone
        shown.replace("\r\n", "\n");
    control(id)->setProperty("text", shown);
}

int QtWindowView::CheckState(int id) const
{
    if (kind(id) == ControlKind::RadioButton)
        return control<QRadioButton>(id)->isChecked() ? 1 : 0;
    return (3 - int(control<QCheckBox>(id)->checkState())) % 3;
}

void QtWindowView::SetCheckState(int id, int state)
{
    if (kind(id) == ControlKind::RadioButton)
        control<QRadioButton>(id)->setChecked(state == 1);
    else
        control<QCheckBox>(id)->setCheckState(Qt::CheckState((3 - state) % 3));
}

std::vector<std::string> QtWindowView::Entries(int id) const
{
    const int count = isList(id) ? control<QListWidget>(id)->count()
                                 : control<QComboBox>(id)->count();
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back((isList(id) ? control<QListWidget>(id)->item(i)->text()
                                      : control<QComboBox>(id)->itemText(i))
                                  .toStdString());
    return entries;
}

void QtWindowView::SetEntries(int id, const std::vector<std::string> &entries)
{
    const QSignalBlocker blocker(control(id));
    isList(id) ? control<QListWidget>(id)->clear() : control<QComboBox>(id)->clear();
    for (std::size_t i = 0; i < entries.size(); ++i)
        InsertEntry(id, int(i), entries[i]);
    Select(id, -1);
}

void QtWindowView::InsertEntry(int id, int index, const std::string &text)
{
    const QSignalBlocker blocker(control(id));
    if (isList(id))
        control<QListWidget>(id)->insertItem(index, QString::fromStdString(text));
    else
        control<QComboBox>(id)->insertItem(index, QString::fromStdString(text));
}

void QtWindowView::RemoveEntry(int id, int index)
{
    const QSignalBlocker blocker(control(id));
    if (isList(id))
        delete control<QListWidget>(id)->takeItem(index);
    else
        control<QComboBox>(id)->removeItem(index);
}

int QtWindowView::Selected(int id) const
{
    if (!isList(id))
        return control<QComboBox>(id)->currentIndex();
    const QList<QListWidgetItem *> selected = control<QListWidget>(id)->selectedItems();
    return selected.isEmpty() ? -1 : control<QListWidget>(id)->row(selected.first());
}

void QtWindowView::Select(int id, int index)
{
    const QSignalBlocker blocker(control(id));
    if (!isList(id))
        return control<QComboBox>(id)->setCurrentIndex(index);
    control<QListWidget>(id)->setCurrentRow(-1);
    control<QListWidget>(id)->clearSelection();
    if (index >= 0)
        control<QListWidget>(id)->setCurrentRow(index);
}

void QtWindowView::ClearPath(int id)
{
    control<PathCanvas>(id)->Clear();
}

void QtWindowView::PaintPosition(int id, double x, double y, std::int32_t pathColour)
{
    control<PathCanvas>(id)->PaintPosition(x, y, pathColour);
    emit positionPainted();
}

void QtWindowView::SetCaption(const std::string &caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

QTimer *QtWindowView::timer(int id)
{
    QTimer *&timer = m_timers[id];
    if (!timer) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early
        connect(timer, &QTimer::timeout, this, [this, id] { m_presenter.Tick(id); });
    }
    return timer;
}

void QtWindowView::StartTimer(int id, int milliseconds)
{
    timer(id)->start(milliseconds);
}

void QtWindowView::StopTimer(int id)
{
    timer(id)->stop();
}

void QtWindowView::OpenModal(WindowPresenter &presenter)
{
    QtWindowView window(presenter, this);
    window.exec();
}

void QtWindowView::Close(bool accepted)
{
    done(accepted ? Accepted : Rejected);
}

void QtWindowView::reject()
{
    m_presenter.Cancel();
}

void QtWindowView::done(int result)
{
    m_presenter.Unload();
    QDialog::done(result);
}

void QtWindowView::ShowMessage(const std::string &text)
{
    showBox(this, text, QMessageBox::Ok);
}

bool QtWindowView::AskYesNo(const std::string &text)
{
    // No is the default: a stray Enter must not delete anything.
    const auto buttons = QMessageBox::Yes | QMessageBox::No;
    return showBox(this, text, buttons, QMessageBox::No) == QMessageBox::Yes;
}

} // namespace Quiverstep
