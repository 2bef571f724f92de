#include "presenters/PathSimulatorPresenter.h"
#include "presenters/PatternEditorPresenter.h"
#include "presenters/SettingsDialogPresenter.h"
#include "presenters/TestFormPresenter.h"
#include "presenters/TimedMessagePresenter.h"

#include "SettingKeys.h"

// The windows' controls, all in one place as in a resource script: both toolkits make the
// windows from these, so that the two cannot drift apart.

namespace Quiverstep {

using K = ControlKind;

// clang-format off
const WindowDescription &SettingsDialogPresenter::Description()
{
    constexpr int F = ditherTypeFrame; // the controls placed in the frame
    const char *const restart = "Saving restarts the dither path at its first position.";
    const char *const units = "Step Size and Max Dither are in guide camera pixels.";
    static const WindowDescription description{
        "SettingsDialog", "Quiverstep 1.1 Settings", 449, 231, WindowPlacement::CentreScreen,
        {
            {OK, "OK", K::Button, "OK", 356, 12, 81, 33},
            {cancelButton, "cancelButton", K::Button, "Cancel", 356, 48, 81, 33},
            {F, "ditherTypeFrame", K::Frame, "Dither Type", 12, 12, 337, 149},
            {StepSize, "StepSize", K::TextBox, Keys::Defaults::DitherStep.data(), 96, 64, 65, 29, F},
            {MaxDitherX, "MaxDitherX", K::TextBox, Keys::Defaults::MaxDither.data(), 96, 100, 65, 29, F},
            {DitherType, "DitherType", K::DropDownList, "", 72, 24, 241, 24, F},
            {Pattern, "Pattern", K::Button, "Pattern:", 8, 24, 57, 25, F},
            {simulateButton, "simulateButton", K::Button, "Simulate...", 356, 104, 81, 33},
            {logCheckBox, "logCheckBox", K::CheckBox, "Log", 360, 152, 77, 25},
            {AO7, "AO7", K::CheckBox, "Using AO-7", 212, 72, 109, 17, F},
            {stepSizeLabel, "stepSizeLabel", K::Label, "Step Size:", 8, 68, 69, 29, F},
            {stepSizeUnit, "stepSizeUnit", K::Label, "pixels", 168, 72, 45, 21, F},
            {maxDitherLabel, "maxDitherLabel", K::Label, "Max Dither:", 8, 104, 85, 29, F},
            {maxDitherUnit, "maxDitherUnit", K::Label, "pixels", 168, 104, 45, 21, F},
            {restartNote, "restartNote", K::Label, restart, 12, 172, 337, 21},
            {unitsNote, "unitsNote", K::Label, units, 12, 196, 337, 21},
        },
        OK,
        0, // Cancel is no cancel button: Escape must not drop what the user entered
    };
    return description;
}

const WindowDescription &PatternEditorPresenter::Description()
{
    static const WindowDescription description{
        "PatternEditor", "Custom Dither Pattern", 445, 414, WindowPlacement::CentreOwner,
        {
            {nameLabel, "nameLabel", K::Label, "Dither Name:", 12, 24, 101, 25},
            {DitherName, "DitherName", K::TextBox, "", 124, 24, 213, 29},
            {saveButton, "saveButton", K::Button, "Save", 348, 20, 81, 33},
            {cancelButton, "cancelButton", K::Button, "Cancel", 348, 60, 81, 33},
            {addButton, "addButton", K::Button, "Add", 20, 72, 77, 29},
            {xLabel, "xLabel", K::Label, "X:", 108, 80, 13, 21},
            {XStep, "XStep", K::TextBox, "", 124, 72, 53, 29},
            {yLabel, "yLabel", K::Label, "Y:", 188, 80, 13, 21},
            {YStep, "YStep", K::TextBox, "", 208, 72, 53, 29},
            {stepList, "stepList", K::ListBox, "", 20, 104, 317, 160},
            {Delete, "Delete", K::Button, "Delete", 20, 284, 65, 25},
            {MoveUp, "MoveUp", K::Button, "Move Up", 168, 284, 77, 25},
            {MoveDown, "MoveDown", K::Button, "Move Down", 256, 284, 85, 25},
            {removeButton, "removeButton", K::Button, "Remove", 348, 104, 81, 33},
            {endRuleFrame, "endRuleFrame", K::Frame, "At the end of the pattern", 20, 320, 321, 85},
            {BottomToTop, "BottomToTop", K::RadioButton, "Reverse direction (bottom to top)", 20, 52, 217, 21, endRuleFrame, true},
            {TopToBottom, "TopToBottom", K::RadioButton, "Repeat top to bottom", 20, 24, 201, 21, endRuleFrame},
        },
        saveButton,
        cancelButton,
    };
    return description;
}

const WindowDescription &PathSimulatorPresenter::Description()
{
    static const WindowDescription description{
        "PathSimulator", "Dither Simulator", 456, 292, WindowPlacement::CentreOwner,
        {
            {exitButton, "exitButton", K::Button, "Exit", 368, 12, 81, 25},
            {pathCanvas, "pathCanvas", K::Canvas, "", 12, 12, 341, 265},
            {runButton, "runButton", K::Button, "Run", 364, 216, 81, 29},
            {stepButton, "stepButton", K::Button, "Step", 364, 252, 81, 29},
            {resetButton, "resetButton", K::Button, "Reset", 364, 180, 81, 29},
        },
    };
    return description;
}

const WindowDescription &TimedMessagePresenter::Description()
{
    static const WindowDescription description{
        "TimedMessage", "Quiverstep: Error", 384, 171, WindowPlacement::CentreScreen,
        {
            {OKButton, "OKButton", K::Button, "OK", 144, 132, 81, 25},
            {MsgText, "MsgText", K::Label, "", 8, 12, 369, 109},
        },
        OKButton,
    };
    return description;
}

const WindowDescription &TestFormPresenter::Description()
{
    static const WindowDescription description{
        "TestForm", "Test", 604, 468, WindowPlacement::SystemDefault,
        {
            {setupButton, "setupButton", K::Button, "Setup", 68, 32, 137, 57},
            {guideStartButton, "guideStartButton", K::Button, "Guide Start", 68, 120, 137, 57},
            {guideErrorButton, "guideErrorButton", K::Button, "Guide Error", 68, 200, 137, 57},
            {downloadCompleteButton, "downloadCompleteButton", K::Button, "Download Complete", 68, 284, 137, 53},
            {pathCanvas, "pathCanvas", K::Canvas, "", 252, 32, 317, 313},
            {generatePatternButton, "generatePatternButton", K::Button, "Generate Pattern", 224, 392, 101, 65},
        },
    };
    return description;
}
// clang-format on

} // namespace Quiverstep
