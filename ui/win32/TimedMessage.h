#pragma once

#include "presenters/TimedMessagePresenter.h"
#include "win32/Win32WindowView.h"

#include <memory>
#include <string>

namespace Quiverstep {

// The timed message in Win32: a modeless window. Open() hands the window its own lifetime.
class TimedMessage : public Win32WindowView
{
public:
    TimedMessage();
    ~TimedMessage() override;

    // A new window showing text, not waited for; it deletes itself when it closes.
    static void Open(const std::string &text);

    // Taken when the window loads: the message, and a title replacing the design caption
    // when not empty.
    void SetMessage(const std::string &text, const std::string &title = {});

protected:
    // It closes by itself: a modal window owned by it would go with it.
    bool canOwn() const override { return false; }
    void onDestroyed() override;

private:
    explicit TimedMessage(std::unique_ptr<TimedMessagePresenter> presenter);

    std::unique_ptr<TimedMessagePresenter> m_presenter;
    bool m_ownsItself = false;
};

} // namespace Quiverstep
