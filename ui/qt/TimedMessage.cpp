#include "qt/TimedMessage.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace Quiverstep {

using Presenter = TimedMessagePresenter;

TimedMessage::TimedMessage(QWidget *parent)
    : QDialog(parent)
    , m_controls(*this, Presenter::Description())
    , m_closeTimer(new QTimer(this))
    , m_presenter(*this)
{
    auto *label = m_controls.Get<QLabel>(Presenter::MsgText);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_closeTimer->setObjectName("closeTimer");
    m_closeTimer->setSingleShot(true);
    m_closeTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early
    connect(m_closeTimer, &QTimer::timeout, this, [this] { m_presenter.TimeUp(); });
    m_controls.ForwardClicks([this](int id) { m_presenter.Clicked(id); });
}

void TimedMessage::SetCaption(const std::string &caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void TimedMessage::SetMessage(const std::string &text)
{
    // A label breaks lines at LF alone.
    m_controls.Get<QLabel>(Presenter::MsgText)
            ->setText(QString::fromStdString(text).replace("\r\n", "\n"));
}

void TimedMessage::StartCloseTimer(int milliseconds)
{
    m_closeTimer->start(milliseconds);
}

void TimedMessage::Close()
{
    close();
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
        const int remaining = m_closeTimer->remainingTime();
        m_changingOwner = true;
        watched->removeEventFilter(this);
        setParent(nullptr, windowFlags());
        move(place);
        show();
        m_changingOwner = false;
        m_closeTimer->start(std::max(remaining, 0));
    }
    return QDialog::eventFilter(watched, event);
}

void TimedMessage::showEvent(QShowEvent *event)
{
    // Loads once per opening: a window shown again by the window system keeps its text and
    // its countdown.
    if (!m_loaded) {
        m_loaded = true;
        m_presenter.Load(m_messageText.toStdString(), m_title.toStdString());
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TimedMessage::hideEvent(QHideEvent *event)
{
    // Closed: the next opening loads afresh with its own countdown.
    if (!event->spontaneous() && !m_changingOwner) {
        m_closeTimer->stop();
        m_loaded = false;
    }
    QDialog::hideEvent(event);
}

} // namespace Quiverstep
