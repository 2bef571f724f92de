#include "PresenterTest.h"

#include "presenters/TimedMessagePresenter.h"

using namespace Quiverstep;

TEST(TimedMessagePresenterTest, ShowsTheTextUnderItsTitleAndClosesOnOkOrAfterThreeSeconds)
{
    using M = TimedMessagePresenter;
    TestView view;
    M message;
    message.Attach(view);
    message.SetMessage("a\r\nb"); // the design caption stays
    message.Load();
    EXPECT_EQ(view.texts, (std::map<int, std::string>{{M::MsgText, "a\r\nb"}}));
    EXPECT_EQ(view.timers, (std::map<int, int>{{M::closeTimer, 3000}}));
    message.Clicked(M::MsgText);
    EXPECT_FALSE(view.closed);
    message.Clicked(M::OKButton);
    EXPECT_EQ(view.closed, false);

    view.closed.reset();
    message.SetMessage("c", "Own title");
    message.Load();
    EXPECT_EQ(view.caption, "Own title");
    EXPECT_EQ(view.texts[M::MsgText], "c");
    message.Tick(M::closeTimer);
    EXPECT_EQ(view.closed, false);
}
