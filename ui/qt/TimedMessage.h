#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

namespace Quiverstep {

// A small error window that does not stop the caller: shown modeless, it closes itself
// after three seconds or when OK is pressed.
class TimedMessage : public QDialog
{
    Q_OBJECT

public:
    static constexpr int DisplayMilliseconds = 3000;

    explicit TimedMessage(QWidget *parent = nullptr);

    // Taken when the window opens: the message, and a title replacing the design title
    // when not empty.
    QString m_messageText;
    QString m_title;

    // A show request while open only brings the window forward.
    void setVisible(bool visible) override;

    // Opens the message over a modal window, as that window's own, so that its OK can be
    // pressed while the modal window blocks the others. When that window closes first, the
    // message stays open on its own with its text, its place and its countdown.
    void ShowOver(QWidget *modalWindow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void load();

    QLabel *MsgText;
    QPushButton *OKButton;
    QTimer *closeTimer;
    bool m_loaded = false;
    bool m_changingOwner = false;
};

} // namespace Quiverstep
