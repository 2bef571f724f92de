#include "WindowTest.h"

#include "presenters/TestFormPresenter.h"

using namespace Quiverstep;

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
