#include "WindowTest.h"

#include "PathCell.h"
#include "presenters/PathSimulatorPresenter.h"
#include "qt/PathCanvas.h"

#include <QLabel>

using namespace Quiverstep;

namespace {

constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb White = 0xFFFFFFFF;

class SimulatorTest : public WindowTest
{
protected:
    // Reset's step size as typed in the settings dialog: the presenter test checks that it
    // is the typed one; here the stored one.
    PathSimulatorPresenter presenter{environment, "", [] { return "2"; }};
};

} // namespace

// The real step timer, the painted cells, and the walk reset when the window closes.
TEST_F(SimulatorTest, RunsOnItsTimerPaintsTheCellsAndExitRestarts)
{
    storePattern();
    QtWindowView simulator(presenter);
    simulator.show();
    int steps = 0;
    QObject::connect(&simulator, &QtWindowView::positionPainted, [&] { ++steps; });
    EXPECT_TRUE(waitFor([&] { return steps >= 3; }));
    click(&simulator, "resetButton"); // stops the run
    const struct
    {
        double x, y;
        QRgb colour;
    } expected[] = {{16, 18, Blue}, {14, 16, Blue}, {18, 16, Red}};
    const QImage &image = child<PathCanvas>(&simulator, "pathCanvas")->image();
    for (const auto &step : expected) {
        click(&simulator, "stepButton");
        EXPECT_EQ(cellColour(&simulator, step.x, step.y), step.colour) << step.x << ", " << step.y;
        const CellRect cell = PathCell(image.width(), image.height(), step.x, step.y);
        EXPECT_EQ(image.pixel(int(cell.x1 + 0.5f), int(cell.y1 + 0.5f)), White) // its corner
                << step.x << ", " << step.y;
    }
    const int stepped = steps;
    settle(200);
    EXPECT_EQ(steps, stepped);
    click(&simulator, "exitButton");
    settle();
    EXPECT_EQ(get(Keys::CurrentStep), "1");
    EXPECT_EQ(get(Keys::CurrentOffsetX), "18");
}

// Every step of this pattern leaves the box: the first message's OK takes a mouse click at
// once through the modal loop; the second outlives the window it was raised over.
TEST_F(SimulatorTest, MessagesFromStepsInTheModalLoopCloseOnAClickAndOutliveTheWindow)
{
    storePattern("Far\\8,0\\TOP");
    QtWindowView simulator(presenter);
    bool closedAtOnce = false;
    QString text;
    QElapsedTimer sinceShown;
    expect([&](QWidget *window) {
        mouseClick(child(window, "stepButton")); // also stops the timer's walk
        if (QPointer<TimedMessage> first = openMessages().value(0)) {
            mouseClick(child(first, "OKButton"));
            closedAtOnce = !first || !first->isVisible();
        }
        mouseClick(child(window, "stepButton"));
        sinceShown.start();
        if (!openMessages().isEmpty())
            text = child<QLabel>(openMessages().front(), "MsgText")->text();
        settle(300); // so that a countdown begun again when the owner closes would show
        EXPECT_TRUE(staysOpenOnEscape(window));
        mouseClick(child(window, "exitButton"));
    });
    simulator.exec();
    settle();
    EXPECT_TRUE(closedAtOnce); // a message was raised, and its OK took the click
    // Exit's Reset put the walk back; the message is still open, with its text and its
    // countdown, and its OK works.
    ASSERT_EQ(openMessages().size(), 1);
    TimedMessage *message = openMessages().front();
    EXPECT_EQ(message->parentWidget(), nullptr);
    EXPECT_EQ(child<QLabel>(message, "MsgText")->text(), text);
    EXPECT_TRUE(text.endsWith("Position  = (32, 16)"));
    EXPECT_LE(message->findChild<QTimer *>()->remainingTime(), 3000 - sinceShown.elapsed() + 50);
    mouseClick(child(message, "OKButton"));
    settle();
    EXPECT_TRUE(openMessages().isEmpty());
}
