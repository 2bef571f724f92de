#include "PresenterTest.h"

#include "presenters/TestFormPresenter.h"

#include "SettingKeys.h"

using namespace Quiverstep;

namespace {

// The settings dialog as a line in the view's events; it fails when told to.
class SettingsUserInterface : public HeadlessUserInterface
{
public:
    void ShowSettings() override
    {
        events->push_back("settings");
        if (failure)
            throw std::runtime_error(failure);
    }

    std::vector<std::string> *events = nullptr;
    const char *failure = nullptr;
};

class TestFormPresenterTest : public EnvironmentRig<SettingsUserInterface>
{
protected:
    TestFormPresenterTest() { ui.events = &view.events; }

    TestView view;
};

} // namespace

TEST_F(TestFormPresenterTest, PlotsEachTargetInThePathColourTheStepFound)
{
    storePattern("Cross\\0,0\\1,0\\0,1\\TOP");
    TestFormPresenter form(environment); // after the store: its plug-in object reads it
    form.Attach(view);
    form.Clicked(TestFormPresenter::guideStartButton); // the spiral's colour turns blue
    for (int i = 0; i < 3; ++i)
        form.Clicked(TestFormPresenter::downloadCompleteButton);
    // The third step wrapped the pattern and turned the colour red: its cell keeps blue.
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"paint 16,16 blue", "paint 18,16 blue", "paint 16,18 blue"}));
    EXPECT_EQ(PathColourValue(process.spiral), ColourRed);
}

TEST_F(TestFormPresenterTest, GeneratesTheSnakesAndSetupClearsThePlotEvenWhenItFails)
{
    TestFormPresenter form(environment);
    form.Attach(view);
    form.Clicked(TestFormPresenter::generatePatternButton);
    const std::string horizontal = get(Keys::NewPatternHorizontalSnake);
    form.Clicked(TestFormPresenter::generatePatternButton); // replaced, not appended
    EXPECT_EQ(get(Keys::NewPatternHorizontalSnake), horizontal);
    // How a snake walks is the built-in patterns' rule; here its name, reach and end marker.
    EXPECT_TRUE(horizontal.starts_with("Horizontal Snake\\-5,-5\\-4,-5\\"));
    EXPECT_TRUE(horizontal.ends_with("\\4,5\\5,5\\BOTTOM"));
    const std::string vertical = get(Keys::NewPatternVerticalSnake);
    EXPECT_TRUE(vertical.starts_with("Vertical Snake\\-5,-5\\-5,-4\\"));
    EXPECT_TRUE(vertical.ends_with("\\5,4\\5,5\\BOTTOM"));
    EXPECT_TRUE(EnumeratePatterns(settings).patterns.empty());

    form.Clicked(TestFormPresenter::setupButton);
    ui.failure = "database is locked";
    form.Clicked(TestFormPresenter::setupButton);
    EXPECT_EQ(view.events, (std::vector<std::string>{"settings", "clear", "settings", "clear"}));
    EXPECT_EQ(view.messages, std::vector<std::string>{"message: database is locked"});
}
