#include "presenters/TimedMessagePresenter.h"
#include "presenters/TimedMessageView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Quiverstep;

namespace {

class TimedMessageTestView : public TimedMessageView
{
public:
    void SetCaption(const std::string &caption) override { events.push_back("caption " + caption); }
    void SetMessage(const std::string &text) override { events.push_back("text " + text); }
    void StartCloseTimer(int milliseconds) override
    {
        events.push_back("timer " + std::to_string(milliseconds));
    }
    void Close() override { events.push_back("close"); }

    std::vector<std::string> events;
};

} // namespace

TEST(TimedMessagePresenterTest, ShowsTheTextUnderItsTitleAndClosesOnOkOrAfterThreeSeconds)
{
    TimedMessageTestView view;
    TimedMessagePresenter message(view);
    message.Load("a\r\nb", ""); // the design caption stays
    message.Clicked(TimedMessagePresenter::MsgText);
    message.Clicked(TimedMessagePresenter::OKButton);
    message.Load("c", "Own title");
    message.TimeUp();
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"text a\r\nb",
                                        "timer 3000",
                                        "close",
                                        "caption Own title",
                                        "text c",
                                        "timer 3000",
                                        "close"}));
}
