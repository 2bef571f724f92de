#pragma once

#include "presenters/TimedMessagePresenter.h"
#include "win32/Win32WindowView.h"

#include <memory>
#include <string>

namespace Quiverstep {

// The timed message in Win32: a modeless window that owns itself.
class TimedMessage : public Win32WindowView
{
public:
    // A new window showing text, not waited for; it deletes itself when it closes.
    static void Open(const std::string &text);

protected:
    // It closes by itself: a modal window owned by it would go with it.
    bool canOwn() const override { return false; }
    void onDestroyed() override { delete this; }

private:
    explicit TimedMessage(std::unique_ptr<TimedMessagePresenter> presenter);

    std::unique_ptr<TimedMessagePresenter> m_presenter;
};

} // namespace Quiverstep
