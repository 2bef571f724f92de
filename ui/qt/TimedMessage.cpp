#include "qt/TimedMessage.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace Quiverstep {

TimedMessage::TimedMessage(QWidget *parent)
    : TimedMessage(std::make_unique<TimedMessagePresenter>(), parent)
{}

TimedMessage::TimedMessage(std::unique_ptr<TimedMessagePresenter> presenter, QWidget *parent)
    : QtWindowView(*presenter, parent)
    , m_presenter(std::move(presenter))
{
    auto *label = control<QLabel>(TimedMessagePresenter::MsgText);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TimedMessage::SetMessage(const QString &text)
{
    m_presenter->SetMessage(text.toStdString());
}

void TimedMessage::Close(bool)
{
    close();
}

void TimedMessage::reject()
{
    QDialog::reject();
}

void TimedMessage::setVisible(bool visible)
{
    if (visible && isVisible()) {
        raise();
        activateWindow();
        return;
    }
    QDialog::setVisible(visible);
}

void TimedMessage::ShowOver(QWidget *modalWindow)
{
    if (modalWindow) {
        setParent(modalWindow, windowFlags());
        modalWindow->installEventFilter(this);
    }
    show();
}

bool TimedMessage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Hide && isVisible()) {
        const QPoint place = pos();
        const int remaining = timer(TimedMessagePresenter::closeTimer)->remainingTime();
        m_changingOwner = true;
        watched->removeEventFilter(this);
        setParent(nullptr, windowFlags());
        move(place);
        show();
        m_changingOwner = false;
        StartTimer(TimedMessagePresenter::closeTimer, std::max(remaining, 0));
    }
    return QtWindowView::eventFilter(watched, event);
}

void TimedMessage::showEvent(QShowEvent *event)
{
    // Loads once per opening: a window shown again by the window system keeps its text and
    // its countdown.
    if (!loaded()) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QtWindowView::showEvent(event);
}

void TimedMessage::hideEvent(QHideEvent *event)
{
    // Closed: the next opening loads afresh with its own countdown.
    if (!event->spontaneous() && !m_changingOwner) {
        StopTimer(TimedMessagePresenter::closeTimer);
        setLoaded(false);
    }
    QDialog::hideEvent(event);
}

} // namespace Quiverstep
