#include "PresenterTest.h"

#include "presenters/PathSimulatorPresenter.h"

using namespace Quiverstep;

namespace {

using Simulator = PathSimulatorPresenter;

class PathSimulatorTestView : public TestView
{
public:
    PathSimulatorTestView() { texts[Simulator::runButton] = ""; }
    // The Run button's text and the step timer's interval; the simulator runs when both say so.
    std::string state() const
    {
        EXPECT_EQ(texts.size(), 1u); // the Run button's is the only text set
        const auto timer = timers.find(Simulator::stepTimer);
        return texts.at(Simulator::runButton) + " "
               + std::to_string(timer == timers.end() ? 0 : timer->second);
    }

    std::string stepSize = "2";
};

class PathSimulatorPresenterTest : public PresenterTest
{
protected:
    void steps(int count)
    {
        for (int i = 0; i < count; ++i)
            simulator.Clicked(Simulator::stepButton);
    }

    // Opened on the example pattern.
    PathSimulatorPresenterTest()
    {
        storePattern();
        simulator.Attach(view);
        simulator.Load();
    }

    PathSimulatorTestView view;
    Simulator simulator{environment, "", [this] { return view.stepSize; }};
};

} // namespace

TEST_F(PathSimulatorPresenterTest, OpensRunningTicksStepOnlyWhileRunningAndStepStopsTheRun)
{
    EXPECT_EQ(view.state(), "Stop 80");
    simulator.Tick(Simulator::stepTimer);
    simulator.Tick(Simulator::stepTimer);
    steps(1); // exactly one step, and the run stops
    EXPECT_EQ(view.state(), "Run 0");
    simulator.Tick(Simulator::stepTimer);
    EXPECT_EQ(view.events.size(), 4u); // the clear on loading, then three steps
    simulator.Clicked(Simulator::runButton);
    EXPECT_EQ(view.state(), "Stop 80");
    simulator.Clicked(Simulator::runButton);
    EXPECT_EQ(view.state(), "Run 0");
    simulator.Clicked(Simulator::exitButton);
    EXPECT_EQ(view.closed, false);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(PathSimulatorPresenterTest,
       ResetStartsAtTheTypedStepCellsTakeTheColourBeforeTheStepAndUnloadRestarts)
{
    // Reset starts at the step typed in the settings dialog; the walk uses the stored one.
    view.stepSize = "3";
    simulator.Clicked(Simulator::resetButton);
    EXPECT_EQ(get(Keys::CurrentOffsetX), "19");
    steps(1);
    EXPECT_EQ(get(Keys::CurrentOffsetY), "18");
    view.stepSize = "2";
    simulator.Clicked(Simulator::resetButton);
    EXPECT_EQ(view.events.back(), "clear");
    view.events.clear();
    steps(7);
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"paint 16,18 blue",
                                        "paint 14,16 blue",
                                        "paint 18,16 red",
                                        "paint 16,18 red",
                                        "paint 14,16 red",
                                        "paint 18,16 blue",
                                        "paint 16,18 blue"}));
    EXPECT_EQ(get(Keys::CurrentStep), "2");
    simulator.Unload();
    EXPECT_EQ(get(Keys::CurrentStep), "1");
    EXPECT_EQ(get(Keys::CurrentDirection), "False");
    EXPECT_EQ(get(Keys::CurrentOffsetX), "18");
    EXPECT_EQ(get(Keys::CurrentOffsetY), "16");
    steps(1); // the plug-in is gone
    simulator.Tick(Simulator::stepTimer);
    EXPECT_EQ(view.events.back(), "clear"); // the unload's reset, and no step after it
    EXPECT_EQ(view.state(), "Run 0");
}

TEST_F(PathSimulatorPresenterTest,
       ResetPutsOtherTypesAndAnUnreadableStepSizeAtTheCentreAndKeepsTheWalkOfAMissingPattern)
{
    view.stepSize = "abc"; // only a hand-edited store leaves the box unreadable
    simulator.Clicked(Simulator::resetButton);
    EXPECT_EQ(get(Keys::CurrentOffsetX), "16");
    settings.Save(Keys::SpiralPosX, "14");
    for (const char *type : {"0", "1"}) {
        settings.Save(Keys::DitherType, type);
        settings.Save(Keys::CurrentOffsetX, "20");
        settings.Save(Keys::CurrentStep, "3");
        simulator.Clicked(Simulator::resetButton);
        EXPECT_EQ(get(Keys::CurrentOffsetX) + " " + get(Keys::CurrentOffsetY) + " "
                          + get(Keys::CurrentStep),
                  "16 16 1")
                << type;
    }
    EXPECT_EQ(get(Keys::SpiralPosX), "14"); // the spiral's own walk is kept
    // Types whose pattern does not exist: 2.5 names "Pattern2.5". Reset and the unload, once,
    // report it and keep the walk.
    for (const char *type : {"9", "2.5"}) {
        settings.Save(Keys::DitherType, type);
        settings.Save(Keys::CurrentOffsetX, "20");
        simulator.Clicked(Simulator::resetButton);
        EXPECT_EQ(get(Keys::CurrentOffsetX), "20") << type;
    }
    simulator.Unload();
    simulator.Unload();
    EXPECT_EQ(get(Keys::CurrentOffsetX), "20");
    EXPECT_EQ(view.messages,
              std::vector<std::string>(
                      3, "message: Dither Pattern doesn't exist. Please select another."));
}

TEST_F(PathSimulatorPresenterTest, PositionOutsideTheBoxRaisesATimedMessageAndIsPaintedClamped)
{
    settings.Save(Keys::Pattern(2), "Far\\1,0\\8,0\\TOP");
    simulator.Clicked(Simulator::resetButton);
    steps(1);
    ASSERT_EQ(ui.messages().size(), 1u); // its text is the walk test's
    EXPECT_TRUE(ui.messages()[0].ends_with("Position  = (32, 16)"));
    EXPECT_EQ(view.events.back(), "paint 30,16 blue");
    steps(1); // stepping goes on
    EXPECT_EQ(get(Keys::CurrentOffsetX), "18");
}
