#pragma once

#include "win32/DialogWindow.h"

#include "presenters/TimedMessagePresenter.h"
#include "presenters/TimedMessageView.h"

#include <string>

namespace Quiverstep {

// The timed message in Win32: a modeless window. Open() hands the window its own lifetime.
class TimedMessage : public DialogWindow, private TimedMessageView
{
public:
    TimedMessage();

    // A new window showing text, not waited for; it deletes itself when it closes.
    static void Open(const std::string &text);

    std::string m_messageText; // the label's text, taken when the window loads
    std::string m_title;       // the title when not empty, taken when the window loads

protected:
    void onLoad() override;
    // It closes by itself: a modal window owned by it would go with it.
    bool canOwn() const override { return false; }
    void onCommand(int id, int code, HWND control) override;
    void onTimer(UINT_PTR timer) override;
    void onDestroyed() override;

private:
    void SetCaption(const std::string &caption) override;
    void SetMessage(const std::string &text) override;
    void StartCloseTimer(int milliseconds) override;
    void Close() override;

    TimedMessagePresenter m_presenter;
    bool m_ownsItself = false;
};

} // namespace Quiverstep
