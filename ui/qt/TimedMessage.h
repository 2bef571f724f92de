#pragma once

#include "presenters/TimedMessagePresenter.h"
#include "presenters/TimedMessageView.h"
#include "qt/DescribedControls.h"

#include <QDialog>
#include <QString>

class QTimer;

namespace Quiverstep {

// The timed message in Qt.
class TimedMessage : public QDialog, private TimedMessageView
{
    Q_OBJECT

public:
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
    void SetCaption(const std::string &caption) override;
    void SetMessage(const std::string &text) override;
    void StartCloseTimer(int milliseconds) override;
    void Close() override;

    DescribedControls m_controls;
    QTimer *m_closeTimer;
    TimedMessagePresenter m_presenter;
    bool m_loaded = false;
    bool m_changingOwner = false;
};

} // namespace Quiverstep
