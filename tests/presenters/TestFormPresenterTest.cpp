#include "PresenterTest.h"

#include "presenters/TestFormPresenter.h"
#include "presenters/TestFormView.h"

#include "GeneratedPatterns.h"
#include "SettingKeys.h"
#include "Spiral.h"

using namespace Quiverstep;

namespace {

class TestFormTestView : public TestView<TestFormView>
{
public:
    void OpenSettings() override
    {
        events.push_back("settings");
        if (settingsFailure)
            throw std::runtime_error(settingsFailure);
    }
    void ClearPath(int) override { events.push_back("clear"); }
    void PaintPosition(int, double x, double y, std::int32_t colour) override
    {
        events.push_back("paint " + std::to_string(int(x)) + "," + std::to_string(int(y)) + " "
                         + std::to_string(colour));
    }

    std::vector<std::string> events;
    const char *settingsFailure = nullptr;
};

class TestFormPresenterTest : public PresenterTest
{
protected:
    TestFormTestView view;
};

} // namespace

TEST_F(TestFormPresenterTest, PlotsEachTargetInThePathColourTheStepFound)
{
    settings.Save(Keys::Pattern(2), "Cross\\0,0\\1,0\\0,1\\TOP");
    settings.Save(Keys::DitherType, "2");
    settings.Save(Keys::DitherStep, "1");
    settings.Save(Keys::CurrentStep, "0");
    TestFormPresenter form(environment, view);
    form.Clicked(TestFormPresenter::guideStartButton); // the spiral's colour turns blue
    EXPECT_EQ(PathColourValue(process.spiral), ColourBlue);
    for (int i = 0; i < 3; ++i)
        form.Clicked(TestFormPresenter::downloadCompleteButton);
    const std::string blue = std::to_string(ColourBlue);
    // The third step wrapped the pattern and turned the colour red: its cell keeps blue.
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"paint 16,16 " + blue, "paint 17,16 " + blue, "paint 16,17 " + blue}));
    EXPECT_EQ(PathColourValue(process.spiral), ColourRed);
}

TEST_F(TestFormPresenterTest, GeneratesTheSnakesAndSetupClearsThePlotEvenWhenItFails)
{
    TestFormPresenter form(environment, view);
    form.Clicked(TestFormPresenter::generatePatternButton);
    EXPECT_EQ(get(Keys::NewPatternHorizontalSnake), GeneratedHorizontalSnake());
    EXPECT_EQ(get(Keys::NewPatternVerticalSnake), GeneratedVerticalSnake());

    form.Clicked(TestFormPresenter::setupButton);
    view.settingsFailure = "database is locked";
    form.Clicked(TestFormPresenter::setupButton);
    EXPECT_EQ(view.events, (std::vector<std::string>{"settings", "clear", "settings", "clear"}));
    EXPECT_EQ(view.messages, std::vector<std::string>{"message: database is locked"});
}
