#include "WindowTest.h"

#include "presenters/TestFormPresenter.h"

#include <QLabel>

using namespace Quiverstep;

using MessageTest = WindowTest;

// Its text is plain, its lines shown as lines.
TEST_F(MessageTest, EachMessageHasItsOwnWindowThatOkClosesAtOnceOrItselfAfterThreeSeconds)
{
    const QString shownText = "<b>x</b>\nsecond line";
    QElapsedTimer shown;
    shown.start();
    ui.ShowTimedMessage("<b>x</b>\r\nsecond line");
    ui.ShowTimedMessage("second");
    ASSERT_EQ(openMessages().size(), 2);
    QPointer<TimedMessage> first = openMessages().front();
    if (child<QLabel>(first, "MsgText")->text() != shownText)
        first = openMessages().back();
    auto *label = child<QLabel>(first, "MsgText");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    auto *timer = first->findChild<QTimer *>(); // its one timer: the countdown
    EXPECT_TRUE(timer->isActive());
    // Shown again while open: brought forward, with its text and countdown as they were.
    first->SetMessage("changed");
    settle(50);
    first->show();
    EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == first; }, 1000));
    EXPECT_TRUE(staysOpenOnEscape(first));
    EXPECT_EQ(label->text(), shownText);
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

using TestFormTest = WindowTest;

// Which cells and colours the form plots is the presenter test's; here that the plot is
// painted, and cleared by Setup through its modal loop.
TEST_F(TestFormTest, PaintsTheTargetAndSetupThroughItsModalLoopClearsThePlot)
{
    TestFormPresenter presenter(environment);
    QtWindowView form(presenter);
    form.show();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == &form; }));
    EXPECT_TRUE(staysOpenOnEscape(&form));
    const QRgb background = cellColour(&form, 15, 16);
    click(&form, "guideStartButton");       // guide start: the spiral sets the path colour to blue
    click(&form, "downloadCompleteButton"); // the spiral's first step, to 15, 16
    EXPECT_EQ(cellColour(&form, 15, 16), 0xFF0000FFu);

    expect([](QWidget *window) {
        EXPECT_EQ(window->objectName(), "SettingsDialog");
        click(window, "cancelButton");
    });
    click(&form, "setupButton"); // Setup, closed without a change, clears the plot
    EXPECT_EQ(cellColour(&form, 15, 16), background);
    form.close();
}
