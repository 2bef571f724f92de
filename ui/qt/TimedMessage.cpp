#include "qt/TimedMessage.h"

#include "qt/WindowLayout.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace Quiverstep {

TimedMessage::TimedMessage(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("TimedMessage");
    setWindowTitle("Quiverstep: Error");
    MakeFixedDialog(this, 384, 171);

    MsgText = new QLabel(this);
    Place(MsgText, "MsgText", 8, 12, 369, 109);
    MsgText->setTextFormat(Qt::PlainText);
    MsgText->setWordWrap(true);
    MsgText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKButton = new QPushButton("OK", this);
    Place(OKButton, "OKButton", 144, 132, 81, 25);
    OKButton->setDefault(true);

    closeTimer = new QTimer(this);
    closeTimer->setObjectName("closeTimer");
    closeTimer->setSingleShot(true);
    closeTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early

    connect(OKButton, &QPushButton::clicked, this, &QWidget::close);
    connect(closeTimer, &QTimer::timeout, this, &QWidget::close);
}

void TimedMessage::load()
{
    if (!m_title.isEmpty())
        setWindowTitle(m_title);
    // Lines joined by CR LF show as lines.
    MsgText->setText(QString(m_messageText).replace("\r\n", "\n"));
    closeTimer->setInterval(DisplayMilliseconds);
    closeTimer->start();
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
        const int remaining = closeTimer->remainingTime();
        m_changingOwner = true;
        watched->removeEventFilter(this);
        setParent(nullptr, windowFlags());
        move(place);
        show();
        m_changingOwner = false;
        closeTimer->start(std::max(remaining, 0));
    }
    return QDialog::eventFilter(watched, event);
}

void TimedMessage::showEvent(QShowEvent *event)
{
    // Loads once per opening: a window shown again by the window system keeps its text and
    // its countdown.
    if (!m_loaded) {
        m_loaded = true;
        load();
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TimedMessage::hideEvent(QHideEvent *event)
{
    // Closed: the next opening loads afresh with its own countdown.
    if (!event->spontaneous() && !m_changingOwner) {
        closeTimer->stop();
        m_loaded = false;
    }
    QDialog::hideEvent(event);
}

} // namespace Quiverstep
