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

void randomStep(DitherMembers m, RandomSource &random, double &nx, double &ny)
{
    if (!randomMovePossible(m.XOffset, m.YOffset, m.nStepSize, m.nMaxDitherX, m.nMaxDitherY)) {
        // No move inside the box from here: drawing on would never end. Start from the
        // centre, and stay there when even that allows no move.
        m.XOffset = GuideBox::Centre;
        m.YOffset = GuideBox::Centre;
        if (!randomMovePossible(m.XOffset, m.YOffset, m.nStepSize, m.nMaxDitherX, m.nMaxDitherY)) {
            nx = m.XOffset;
            ny = m.YOffset;
            return;
        }
    }
    do {
        nx = randomCoordinate(random, m.XOffset, m.nStepSize, m.nMaxDitherX);
        ny = randomCoordinate(random, m.YOffset, m.nStepSize, m.nMaxDitherY);
    } while (nx == m.XOffset && ny == m.YOffset);
}

void patternWalk(
        DitherMembers m, const DitherContext &context, SkipOnFailure &step, double &nx, double &ny)
{
    const Settings &settings = context.settings;
    step([&] { m.nCurrentStep = ToLong(LeadingNumber(settings.Get(Keys::CurrentStep, "0"))); });
    step([&] { m.bCurrentDirection = StrictFlag(settings.Get(Keys::CurrentDirection, "False")); });
    const std::int64_t c = m.nCurrentStep;
    const std::string &text = m.sPattern;

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
        if (i == std::int64_t(m.nCurrentStep) + 1) {
            const std::string_view field = std::string_view(text).substr(std::size_t(p),
                                                                         std::size_t(k - 1 - p));
            const StepParts parts = SplitStep(field);
            step([&] {
                if (!parts.hasSeparator)
                    throw ConversionError("step without separator");
                nx = Finite(LeadingNumber(parts.x) * m.nStepSize + GuideBox::Centre);
            });
            step([&] { ny = Finite(LeadingNumber(parts.y) * m.nStepSize + GuideBox::Centre); });
            if (m.bCurrentDirection) {
                step([&] { m.nCurrentStep = CheckedAdd(m.nCurrentStep, -1); });
            } else {
                step([&] { m.nCurrentStep = CheckedAdd(m.nCurrentStep, 1); });
                if (backslashFrom(k + 1) == 0)
                    k = 0;
            }
        }
        p = k;
    }

    if (nx < GuideBox::Lowest || ny < GuideBox::Lowest || nx > GuideBox::Highest
        || ny > GuideBox::Highest) {
        step([&] {
            context.messages.ShowTimedMessage(BoxLimitMessage(m.nMaxDitherX, m.nStepSize, nx, ny));
        });
        nx = std::clamp(nx, GuideBox::Lowest, GuideBox::Highest);
        ny = std::clamp(ny, GuideBox::Lowest, GuideBox::Highest);
    }

    if (k <= 0 || m.nCurrentStep < 0) {
        context.spiral.PathColour = PathColourValue(context.spiral) ^ ColourToggleMask;
        if (m.nCurrentStep < 0 || RepeatsFromTop(text)) {
            m.nCurrentStep = 0;
            m.bCurrentDirection = false;
        } else {
            m.nCurrentStep = m.nCurrentStep - 1;
            if (m.nCurrentStep < 0)
                m.nCurrentStep = 0;
            m.bCurrentDirection = true;
        }
    }

    step([&] { settings.Save(Keys::CurrentStep, IntegerToText(m.nCurrentStep)); });
    step([&] { settings.Save(Keys::CurrentDirection, FlagToText(m.bCurrentDirection)); });
}

} // namespace

std::string BoxLimitMessage(double maxDither, double stepSize, double x, double y)
{
    return "Dither Pattern position exceeds Dither Box limit: please check!\r\n"
           "Dither Max="
           + RealToText(maxDither) + "\r\nStep Size =" + RealToText(stepSize) + "\r\nPosition  = ("
           + RealToText(x) + ", " + RealToText(y) + ")";
}

void DitherUpdate(DitherMembers m, const DitherContext &context, SkipOnFailure &step)
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
            m.sPattern = text;
    }
    m.nDitherType = type;

    step([&] {
        m.nStepSize = StrictNumber(settings.Get(Keys::DitherStep, Keys::Defaults::DitherStep));
    });
    step([&] {
        m.nMaxDitherX = StrictNumber(settings.Get(Keys::MaxDitherX, Keys::Defaults::MaxDither));
    });
    m.nMaxDitherY = m.nMaxDitherX;

    step([&] {
        m.XOffset = StrictNumber(settings.Get(Keys::CurrentOffsetX, Keys::Defaults::Position));
    });
    step([&] {
        m.YOffset = StrictNumber(settings.Get(Keys::CurrentOffsetY, Keys::Defaults::Position));
    });
    if (!(m.XOffset > GuideBox::Lowest && m.XOffset < GuideBox::Highest
          && m.YOffset > GuideBox::Lowest && m.YOffset < GuideBox::Highest)) {
        m.XOffset = GuideBox::Centre;
        m.YOffset = GuideBox::Centre;
    }

    double nx = 0;
    double ny = 0;
    switch (m.nDitherType) {
    case DitherType::Spiral:
        nx = m.XOffset;
        ny = m.YOffset;
        step([&] { Spiral::NextSpiralPosition(context.spiral, settings, nx, ny); });
        break;
    case DitherType::Random:
        randomStep(m, context.random, nx, ny);
        break;
    default:
        patternWalk(m, context, step, nx, ny);
        break;
    }

    m.XOffset = nx;
    m.YOffset = ny;
    step([&] { settings.Save(Keys::CurrentOffsetX, RealToText(nx)); });
    step([&] { settings.Save(Keys::CurrentOffsetY, RealToText(ny)); });
}

} // namespace Quiverstep
