#include "DitherStepping.h"

#include "Conversions.h"
#include "DitherType.h"
#include "Errors.h"
#include "GuideBox.h"
#include "Pattern.h"
#include "SettingKeys.h"
#include "Spiral.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Quiverstep {

namespace {

constexpr double LowThreshold = 0.3333333;
constexpr double HighThreshold = 0.66666;

bool insideBox(double value, double maxDither)
{
    return GuideBox::Centre - maxDither <= value && value <= GuideBox::Centre + maxDither;
}

// Whether one random step from (x, y) can reach a new position inside the box.
bool randomMovePossible(double x, double y, double stepSize, double maxX, double maxY)
{
    bool xInside = false, yInside = false, moves = false;
    for (double c : std::array{x + stepSize, x - stepSize, x}) {
        if (insideBox(c, maxX)) {
            xInside = true;
            moves = moves || c != x;
        }
    }
    for (double c : std::array{y + stepSize, y - stepSize, y}) {
        if (insideBox(c, maxY)) {
            yInside = true;
            moves = moves || c != y;
        }
    }
    return xInside && yInside && moves;
}

double randomCoordinate(RandomSource &random, double offset, double stepSize, double maxDither)
{
    double value = 0;
    do {
        const double r = random.Next();
        if (r < LowThreshold)
            value = offset + stepSize;
        else if (r < HighThreshold)
            value = offset - stepSize;
        else
            value = offset;
    } while (!insideBox(value, maxDither));
    return value;
}

void randomStep(
        double &x, double &y, const DitherState &state, RandomSource &random, double &nx, double &ny)
{
    if (!randomMovePossible(x, y, state.stepSize, state.maxDitherX, state.maxDitherY)) {
        // No move inside the box from here: drawing on would never end. Start from the
        // centre, and stay there when even that allows no move.
        x = GuideBox::Centre;
        y = GuideBox::Centre;
        if (!randomMovePossible(x, y, state.stepSize, state.maxDitherX, state.maxDitherY)) {
            nx = x;
            ny = y;
            return;
        }
    }
    do {
        nx = randomCoordinate(random, x, state.stepSize, state.maxDitherX);
        ny = randomCoordinate(random, y, state.stepSize, state.maxDitherY);
    } while (nx == x && ny == y);
}

void patternWalk(DitherState &state,
                 const DitherContext &context,
                 SkipOnFailure &step,
                 double &nx,
                 double &ny)
{
    const Settings &settings = context.settings;
    step([&] { state.currentStep = ToLong(LeadingNumber(settings.Get(Keys::CurrentStep, "0"))); });
    step([&] {
        state.currentDirection = StrictFlag(settings.Get(Keys::CurrentDirection, "False"));
    });
    const std::int64_t c = state.currentStep;
    const std::string &text = state.pattern;

    // Positions are counted from 1 as in the stored text; 0 means "no backslash".
    auto backslashFrom = [&](std::int64_t position) -> std::int64_t {
        if (position < 1 || position > std::int64_t(text.size()))
            return 0;
        const std::size_t found = text.find('\\', std::size_t(position - 1));
        return found == std::string::npos ? 0 : std::int64_t(found) + 1;
    };

    std::int64_t p = 0;
    std::int64_t k = 0;
    // A 64-bit counter: a hand-edited "Current Step" near the 32-bit limit must not overflow it.
    for (std::int64_t i = 0; i <= c + 1; ++i) {
        k = backslashFrom(p + 1);
        if (k == 0)
            break;
        if (i == std::int64_t(state.currentStep) + 1) {
            const std::string_view field = std::string_view(text).substr(std::size_t(p),
                                                                         std::size_t(k - 1 - p));
            const StepParts parts = SplitStep(field);
            step([&] {
                if (!parts.hasSeparator)
                    throw ConversionError("step without separator");
                nx = Finite(LeadingNumber(parts.x) * state.stepSize + GuideBox::Centre);
            });
            step([&] { ny = Finite(LeadingNumber(parts.y) * state.stepSize + GuideBox::Centre); });
            if (state.currentDirection) {
                step([&] { state.currentStep = CheckedAdd(state.currentStep, -1); });
            } else {
                step([&] { state.currentStep = CheckedAdd(state.currentStep, 1); });
                if (backslashFrom(k + 1) == 0)
                    k = 0;
            }
        }
        p = k;
    }

    if (nx < GuideBox::Lowest || ny < GuideBox::Lowest || nx > GuideBox::Highest
        || ny > GuideBox::Highest) {
        step([&] {
            context.messages.ShowTimedMessage(
                    BoxLimitMessage(state.maxDitherX, state.stepSize, nx, ny));
        });
        nx = std::clamp(nx, GuideBox::Lowest, GuideBox::Highest);
        ny = std::clamp(ny, GuideBox::Lowest, GuideBox::Highest);
    }

    if (k <= 0 || state.currentStep < 0) {
        context.spiral.PathColour = PathColourValue(context.spiral) ^ ColourToggleMask;
        if (state.currentStep < 0 || RepeatsFromTop(text)) {
            state.currentStep = 0;
            state.currentDirection = false;
        } else {
            state.currentStep = state.currentStep - 1;
            if (state.currentStep < 0)
                state.currentStep = 0;
            state.currentDirection = true;
        }
    }

    step([&] { settings.Save(Keys::CurrentStep, IntegerToText(state.currentStep)); });
    step([&] { settings.Save(Keys::CurrentDirection, FlagToText(state.currentDirection)); });
}

} // namespace

std::string BoxLimitMessage(double maxDither, double stepSize, double x, double y)
{
    return "Dither Pattern position exceeds Dither Box limit: please check!\r\n"
           "Dither Max="
           + RealToText(maxDither) + "\r\nStep Size =" + RealToText(stepSize) + "\r\nPosition  = ("
           + RealToText(x) + ", " + RealToText(y) + ")";
}

void DitherUpdate(
        double &x, double &y, DitherState &state, const DitherContext &context, SkipOnFailure &step)
{
    const Settings &settings = context.settings;

    std::int16_t type = 0;
    step([&] {
        type = ToInteger(
                DitherType::Decode(settings.Get(Keys::DitherType, Keys::Defaults::DitherType)));
    });
    if (DitherType::IsPattern(type)) {
        std::string text;
        step([&] { text = ReadPattern(settings, type); });
        if (text.empty())
            type = DitherType::Spiral;
        else
            state.pattern = text;
    }
    state.type = type;

    step([&] {
        state.stepSize = StrictNumber(settings.Get(Keys::DitherStep, Keys::Defaults::DitherStep));
    });
    step([&] {
        state.maxDitherX = StrictNumber(settings.Get(Keys::MaxDitherX, Keys::Defaults::MaxDither));
    });
    state.maxDitherY = state.maxDitherX;

    step([&] { x = StrictNumber(settings.Get(Keys::CurrentOffsetX, Keys::Defaults::Position)); });
    step([&] { y = StrictNumber(settings.Get(Keys::CurrentOffsetY, Keys::Defaults::Position)); });
    if (!(x > GuideBox::Lowest && x < GuideBox::Highest && y > GuideBox::Lowest
          && y < GuideBox::Highest)) {
        x = GuideBox::Centre;
        y = GuideBox::Centre;
    }

    double nx = 0;
    double ny = 0;
    switch (state.type) {
    case DitherType::Spiral:
        nx = x;
        ny = y;
        step([&] { Spiral::NextSpiralPosition(context.spiral, settings, nx, ny); });
        break;
    case DitherType::Random:
        randomStep(x, y, state, context.random, nx, ny);
        break;
    default:
        patternWalk(state, context, step, nx, ny);
        break;
    }

    x = nx;
    y = ny;
    step([&] { settings.Save(Keys::CurrentOffsetX, RealToText(nx)); });
    step([&] { settings.Save(Keys::CurrentOffsetY, RealToText(ny)); });
}

} // namespace Quiverstep
