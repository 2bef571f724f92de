#include "WindowTest.h"

#include "SettingKeys.h"
#include "presenters/TestFormPresenter.h"

#include <QLabel>

using namespace Quiverstep;

using MessageTest = WindowTest;

TEST_F(MessageTest, EachMessageHasItsOwnWindowThatOkClosesAtOnceOrItselfAfterThreeSeconds)
{
    QElapsedTimer shown;
    shown.start();
    ui.ShowTimedMessage("first");
    ui.ShowTimedMessage("second");
    ASSERT_EQ(openMessages().size(), 2);
    QPointer<TimedMessage> first = openMessages().front();
    if (child<QLabel>(first, "MsgText")->text() != "first")
        first = openMessages().back();
    auto *timer = first->findChild<QTimer *>(); // its one timer: the countdown
    EXPECT_TRUE(timer->isActive());
    // Shown again while open: brought forward, with its text and countdown as they were.
    first->SetMessage("changed");
    settle(50);
    first->show();
    EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == first; }, 1000));
    EXPECT_EQ(child<QLabel>(first, "MsgText")->text(), "first");
    EXPECT_LT(timer->remainingTime(), 2960);
    click(first, "OKButton");
    settle();
    EXPECT_TRUE(first.isNull()); // deleted on close
    ASSERT_EQ(openMessages().size(), 1);
    EXPECT_EQ(child<QLabel>(openMessages().front(), "MsgText")->text(), "second");
    EXPECT_TRUE(waitFor([] { return openMessages().isEmpty(); }, 5000));
    EXPECT_GE(shown.elapsed(), 2900);
    EXPECT_LT(shown.elapsed(), 4500);
}

TEST_F(MessageTest, TextIsPlainAndItsLinesAreShownAsLines)
{
    TimedMessage message;
    message.SetMessage("<b>x</b>\r\nsecond line");
    message.show();
    auto *label = child<QLabel>(&message, "MsgText");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), "<b>x</b>\nsecond line");
    message.close();
}

using TestFormTest = WindowTest;

TEST_F(TestFormTest, PaintsEachTargetAndSetupThroughItsModalLoopClearsThePlot)
{
    settings.Save(Keys::Pattern(2), "Cross\\0,0\\1,0\\0,1\\TOP");
    settings.Save(Keys::DitherType, "2");
    settings.Save(Keys::DitherStep, "1");
    settings.Save(Keys::CurrentStep, "0");
    TestFormPresenter presenter(environment);
    QtWindowView form(presenter);
    form.show();
    const QRgb background = cellColour(&form, 16, 16);
    click(&form, "guideStartButton"); // guide start: the spiral sets the path colour to blue
    for (int i = 0; i < 3; ++i)
        click(&form, "downloadCompleteButton");
    EXPECT_EQ(cellColour(&form, 16, 16), 0xFF0000FFu);
    EXPECT_EQ(cellColour(&form, 17, 16), 0xFF0000FFu);
    EXPECT_EQ(cellColour(&form, 16, 17), 0xFF0000FFu);
    EXPECT_EQ(cellColour(&form, 15, 16), background);

    expect([](QWidget *window) {
        EXPECT_EQ(window->objectName(), "SettingsDialog");
        click(window, "cancelButton");
    });
    click(&form, "setupButton"); // Setup, closed without a change, clears the plot
    EXPECT_EQ(cellColour(&form, 17, 16), background);
    form.close();
}
