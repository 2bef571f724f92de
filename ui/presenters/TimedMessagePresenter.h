#pragma once

#include "presenters/WindowPresenter.h"

#include <string>

namespace Quiverstep {

// A message that does not stop the caller: shown modeless, it closes itself after three
// seconds or when OK is pressed.
class TimedMessagePresenter : public WindowPresenter
{
public:
    enum Control : int {
        MsgText = 1301,
        OKButton = OkControl,
    };
    static const WindowDescription &Description();
    static constexpr int DisplayMilliseconds = 3000;
    static constexpr int closeTimer = 1;

    TimedMessagePresenter();

    // The message, and a title replacing the design caption when not empty, for the next
    // opening; each opening loads them afresh.
    void SetMessage(const std::string &text, const std::string &title = {});

    void Load() override;
    void Tick(int timer) override;

private:
    std::string m_text;
    std::string m_title;
};

} // namespace Quiverstep
