#pragma once

#include "presenters/TimedMessagePresenter.h"
#include "qt/QtWindowView.h"

#include <QString>

#include <memory>

namespace Quiverstep {

// The timed message in Qt.
class TimedMessage : public QtWindowView
{
    Q_OBJECT

public:
    explicit TimedMessage(QWidget *parent = nullptr);

    // Taken when the window opens.
    void SetMessage(const QString &text);

    // A show request while open only brings the window forward.
    void setVisible(bool visible) override;

    // Opens the message over a modal window, as that window's own, so that its OK can be
    // pressed while the modal window blocks the others. When that window closes first, the
    // message stays open on its own with its text, its place and its countdown.
    void ShowOver(QWidget *modalWindow);

    void Close(bool accepted) override;

public slots:
    // The window frame closes the window as Close does: close() ends here.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    TimedMessage(std::unique_ptr<TimedMessagePresenter> presenter, QWidget *parent);

    std::unique_ptr<TimedMessagePresenter> m_presenter;
    bool m_changingOwner = false;
};

} // namespace Quiverstep
