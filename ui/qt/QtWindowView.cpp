#include "qt/QtWindowView.h"

#include "qt/MessageBoxes.h"
#include "qt/PathCanvas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QWheelEvent>

namespace Quiverstep {

namespace {

// A drop-down list takes the wheel only when it has the focus: a wheel turned while the
// mouse passes over it must not change the choice (nor open the pattern editor from the add
// entry). The window gets the wheel instead.
class WheelFilter : public QObject
{
public:
    explicit WheelFilter(QComboBox *list)
        : QObject(list)
    {
        list->setFocusPolicy(Qt::StrongFocus);
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget *>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

QListWidget *list(const DescribedControls &controls, int id)
{
    return controls.Get<QListWidget>(id);
}

QComboBox *box(const DescribedControls &controls, int id)
{
    return controls.Get<QComboBox>(id);
}

} // namespace

QtWindowView::QtWindowView(WindowPresenter &presenter, QWidget *parent)
    : QDialog(parent)
    , m_controls(*this, presenter.Description())
    , m_presenter(presenter)
{
    m_presenter.Attach(*this);
    for (const ControlDescription &control : presenter.Description().controls) {
        QWidget *widget = m_controls.Widget(control.id);
        const int id = control.id;
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            connect(button, &QPushButton::clicked, this, [this, id] { m_presenter.Clicked(id); });
        } else if (auto *checkBox = qobject_cast<QCheckBox *>(widget)) {
            // A box opened grayed (a stored "2") is two-state from its first click on, so
            // that a click never brings the gray back.
            connect(checkBox, &QCheckBox::clicked, checkBox, [checkBox] {
                checkBox->setTristate(false);
            });
        } else if (auto *dropDown = qobject_cast<QComboBox *>(widget)) {
            new WheelFilter(dropDown);
            connect(dropDown, &QComboBox::currentIndexChanged, this, [this, id] {
                m_presenter.SelectionChanged(id);
            });
        } else if (auto *listBox = qobject_cast<QListWidget *>(widget)) {
            connect(listBox, &QListWidget::itemSelectionChanged, this, [this, id] {
                m_presenter.SelectionChanged(id);
            });
        }
    }
}

QtWindowView::~QtWindowView() = default;

void QtWindowView::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_presenter.Load();
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

std::string QtWindowView::Text(int id) const
{
    if (kind(id) == ControlKind::TextBox)
        return m_controls.Get<QLineEdit>(id)->text().toStdString();
    if (kind(id) == ControlKind::Label)
        return m_controls.Get<QLabel>(id)->text().toStdString();
    return m_controls.Get<QAbstractButton>(id)->text().toStdString();
}

void QtWindowView::SetText(int id, const std::string &text)
{
    const QString shown = QString::fromStdString(text);
    if (kind(id) == ControlKind::TextBox)
        m_controls.Get<QLineEdit>(id)->setText(shown);
    else if (kind(id) == ControlKind::Label) // a label breaks lines at LF alone
        m_controls.Get<QLabel>(id)->setText(QString(shown).replace("\r\n", "\n"));
    else
        m_controls.Get<QAbstractButton>(id)->setText(shown);
}

int QtWindowView::CheckState(int id) const
{
    if (kind(id) == ControlKind::RadioButton)
        return m_controls.Get<QRadioButton>(id)->isChecked() ? 1 : 0;
    return (3 - int(m_controls.Get<QCheckBox>(id)->checkState())) % 3;
}

void QtWindowView::SetCheckState(int id, int state)
{
    if (kind(id) == ControlKind::RadioButton)
        m_controls.Get<QRadioButton>(id)->setChecked(state == 1);
    else
        m_controls.Get<QCheckBox>(id)->setCheckState(Qt::CheckState((3 - state) % 3));
}

std::vector<std::string> QtWindowView::Entries(int id) const
{
    const bool isList = kind(id) == ControlKind::ListBox;
    const int count = isList ? list(m_controls, id)->count() : box(m_controls, id)->count();
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(
                (isList ? list(m_controls, id)->item(i)->text() : box(m_controls, id)->itemText(i))
                        .toStdString());
    return entries;
}

void QtWindowView::SetEntries(int id, const std::vector<std::string> &entries)
{
    const QSignalBlocker blocker(m_controls.Widget(id));
    kind(id) == ControlKind::ListBox ? list(m_controls, id)->clear() : box(m_controls, id)->clear();
    for (std::size_t i = 0; i < entries.size(); ++i)
        InsertEntry(id, int(i), entries[i]);
    Select(id, -1);
}

void QtWindowView::InsertEntry(int id, int index, const std::string &text)
{
    const QSignalBlocker blocker(m_controls.Widget(id));
    if (kind(id) == ControlKind::ListBox)
        list(m_controls, id)->insertItem(index, QString::fromStdString(text));
    else
        box(m_controls, id)->insertItem(index, QString::fromStdString(text));
}

void QtWindowView::RemoveEntry(int id, int index)
{
    const QSignalBlocker blocker(m_controls.Widget(id));
    if (kind(id) == ControlKind::ListBox)
        delete list(m_controls, id)->takeItem(index);
    else
        box(m_controls, id)->removeItem(index);
}

int QtWindowView::Selected(int id) const
{
    if (kind(id) != ControlKind::ListBox)
        return box(m_controls, id)->currentIndex();
    const QList<QListWidgetItem *> selected = list(m_controls, id)->selectedItems();
    return selected.isEmpty() ? -1 : list(m_controls, id)->row(selected.first());
}

void QtWindowView::Select(int id, int index)
{
    const QSignalBlocker blocker(m_controls.Widget(id));
    if (kind(id) != ControlKind::ListBox)
        return box(m_controls, id)->setCurrentIndex(index);
    list(m_controls, id)->setCurrentRow(-1);
    list(m_controls, id)->clearSelection();
    if (index >= 0)
        list(m_controls, id)->setCurrentRow(index);
}

void QtWindowView::ClearPath(int id)
{
    m_controls.Get<PathCanvas>(id)->Clear();
}

void QtWindowView::PaintPosition(int id, double x, double y, std::int32_t pathColour)
{
    m_controls.Get<PathCanvas>(id)->PaintPosition(x, y, pathColour);
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
    if (accepted)
        accept();
    else
        QDialog::reject();
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
    Quiverstep::ShowMessage(this, QString::fromStdString(text));
}

bool QtWindowView::AskYesNo(const std::string &text)
{
    return Quiverstep::AskYesNo(this, QString::fromStdString(text));
}

} // namespace Quiverstep
