#pragma once

#include "win32/DialogWindow.h"

#include <string>

namespace Quiverstep {

// A message that does not stop the guiding: a modeless window that closes itself after
// three seconds or when its button is pressed. Open() hands the window its own lifetime.
class TimedMessage : public DialogWindow
{
public:
    enum Control : int {
        MsgText = 1301,
        OKButton = IDOK,
    };

    static constexpr UINT DisplayMilliseconds = 3000;

    TimedMessage();

    // A new window showing text, not waited for; it deletes itself when it closes.
    static void Open(const std::string &text);

    std::string m_messageText; // the label's text, taken when the window loads
    std::string m_title;       // the title when not empty, taken when the window loads

protected:
    void build() override;
    void onLoad() override;
    void onCommand(int id, int code, HWND control) override;
    void onTimer(UINT_PTR timer) override;
    void onDestroyed() override;

private:
    bool m_ownsItself = false;
};

} // namespace Quiverstep
