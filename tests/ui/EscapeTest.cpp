#include "WindowTest.h"

#include "presenters/PathSimulatorPresenter.h"
#include "presenters/TestFormPresenter.h"

#include <QTest>

using namespace Quiverstep;

using EscapeTest = WindowTest;

namespace {

// Escape as the window system delivers it to the window's focused control.
bool staysOpenOnEscape(QWidget *window)
{
    QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    QApplication::processEvents();
    return window->isVisible();
}

} // namespace

// Only a window with a cancel button (the pattern editor's Cancel) closes on Escape: the
// others keep what the user entered and the walk as it stands.
TEST_F(EscapeTest, WindowsWithoutACancelButtonStayOpen)
{
    expect([](QWidget *window) {
        EXPECT_EQ(window->objectName(), "SettingsDialog");
        type(window, "StepSize", "3");
        EXPECT_TRUE(staysOpenOnEscape(window));
        EXPECT_EQ(text(window, "StepSize"), "3");
        click(window, "cancelButton");
    });
    ui.ShowSettings();

    expect([](QWidget *window) {
        EXPECT_EQ(window->objectName(), "PathSimulator");
        EXPECT_TRUE(staysOpenOnEscape(window));
        click(window, "exitButton");
    });
    PathSimulatorPresenter simulator(environment, "", [] { return "1"; });
    QtWindowView(simulator).exec();

    TestFormPresenter presenter(environment);
    QtWindowView form(presenter);
    form.show();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == &form; }));
    EXPECT_TRUE(staysOpenOnEscape(&form));
    form.close();

    ui.ShowTimedMessage("outside the box");
    ASSERT_EQ(openMessages().size(), 1);
    TimedMessage *message = openMessages().front();
    message->activateWindow();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == message; }));
    EXPECT_TRUE(staysOpenOnEscape(message));
    click(message, "OKButton");
    settle();
}
