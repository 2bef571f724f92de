#include "WindowTest.h"

#include "PathPaint.h"
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

// The real step timer, the painted cells cleared by Reset, and the walk reset when the window
// closes.
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
    // The colour at the middle of the cell of (x, y), or at its corner.
    const auto colour = [&](double x, double y, bool corner = false) {
        const CellRect cell = PathCell(image.width(), image.height(), x, y);
        return corner ? image.pixel(int(cell.x1 + 0.5f), int(cell.y1 + 0.5f))
                      : image.pixel(int((cell.x1 + cell.x2) / 2), int((cell.y1 + cell.y2) / 2));
    };
    for (const auto &step : expected) {
        click(&simulator, "stepButton");
        EXPECT_EQ(colour(step.x, step.y), step.colour) << step.x << ", " << step.y;
        EXPECT_EQ(colour(step.x, step.y, true), White) << step.x << ", " << step.y;
    }
    const int stepped = steps;
    settle(200);
    EXPECT_EQ(steps, stepped);
    click(&simulator, "resetButton");
    EXPECT_EQ(colour(16, 18), image.pixel(0, 0)); // cleared to the background
    click(&simulator, "exitButton");
    settle();
    EXPECT_EQ(get(Keys::CurrentOffsetX), "18"); // the walk reset: the presenter test's
}

// Every step of this pattern leaves the box, each time with a timed message of its own, raised
// in the simulator's modal loop. An OK closes its message at once on a mouse click; the others
// outlive the window with their countdowns going on, and close themselves after three seconds.
TEST_F(SimulatorTest, MessagesRaisedInTheModalLoopOutliveItAndCloseOnOkOrAfterThreeSeconds)
{
    storePattern("Far\\8,0\\0,-8\\TOP");
    QtWindowView simulator(presenter);
    bool closedAtOnce = false;
    QElapsedTimer sinceShown;
    expect([&](QWidget *window) {
        mouseClick(child(window, "stepButton")); // also stops the timer's walk
        if (QPointer<TimedMessage> first = openMessages().value(0)) {
            mouseClick(child(first, "OKButton"));
            closedAtOnce = !first || !first->isVisible();
        }
        sinceShown.start();
        mouseClick(child(window, "stepButton"));
        mouseClick(child(window, "stepButton"));
        settle(300); // so that a countdown begun again when the owner closes would show
        EXPECT_TRUE(staysOpenOnEscape(window));
        mouseClick(child(window, "exitButton"));
    });
    simulator.exec();
    settle();
    EXPECT_TRUE(closedAtOnce); // a message was raised, and its OK took the click
    const QList<TimedMessage *> messages = openMessages();
    ASSERT_EQ(messages.size(), 2); // the positions in them are the walk test's
    for (TimedMessage *message : messages) {
        EXPECT_EQ(message->parentWidget(), nullptr);
        const QLabel *label = child<QLabel>(message, "MsgText");
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_TRUE(label->text().contains("\nStep Size =2\nPosition  = ")) // CR LF as lines
                << label->text().toStdString();
        EXPECT_LE(message->findChild<QTimer *>()->remainingTime(), 3000 - sinceShown.elapsed() + 50);
    }
    // Shown again while open: brought forward, with its text and countdown as they were.
    TimedMessage *first = messages.front();
    const QString text = child<QLabel>(first, "MsgText")->text();
    first->SetMessage("changed");
    first->show();
    EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == first; }, 1000));
    EXPECT_TRUE(staysOpenOnEscape(first));
    EXPECT_EQ(child<QLabel>(first, "MsgText")->text(), text);
    EXPECT_LE(first->findChild<QTimer *>()->remainingTime(), 3000 - sinceShown.elapsed() + 50);
    EXPECT_TRUE(waitFor([] { return openMessages().isEmpty(); }, 5000));
    EXPECT_GE(sinceShown.elapsed(), 2900);
    EXPECT_LT(sinceShown.elapsed(), 4500);
}
