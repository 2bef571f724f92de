#include "moduleEvent.h"

#include "DitherPlugIn.h"
#include "EventNumbers.h"

#include "Conversions.h"
#include "DitherStepping.h"
#include "SettingKeys.h"
#include "Spiral.h"

#include <cmath>

namespace Quiverstep {

namespace {

constexpr double Centre = 16;
constexpr double MoveDivisor = 1000;
constexpr std::int32_t SelectorOffset = 1000;

double number(const Variant &value)
{
    return value.value_or(0);
}

// Variant arithmetic raises an overflow where a Double would become infinite.
double finite(double value)
{
    if (!std::isfinite(value))
        throw OverflowError("overflow");
    return value;
}

std::vector<Variant> freshBuffer()
{
    std::vector<Variant> buffer(moduleEvent::N + 1);
    for (int i = 0; i < moduleEvent::N; ++i)
        buffer[i] = 0.0;
    return buffer;
}

// Makes |(avg + 16) - offset| at most maxMove, and a move below minMove no move.
void limit(Variant &avg, double offset, double maxMove, double minMove, SkipOnFailure &step)
{
    double e = 0;
    step([&] { e = finite(number(avg) + Centre - offset); });
    if (std::abs(e) > maxMove) {
        step([&] { avg = finite(e < 0 ? offset - maxMove - Centre : offset + maxMove - Centre); });
    } else if (std::abs(e) < minMove) {
        step([&] { avg = finite(offset - Centre); });
    }
}

} // namespace

moduleEvent::State &moduleEvent::Module()
{
    static State state;
    return state;
}

void moduleEvent::DelayTick()
{
    Module().DelayWaiting = false;
}

void moduleEvent::ImageCaptured(DitherPlugIn &p, SkipOnFailure &step)
{
    step([&] { p.WriteLogBlock(true); });
    const Settings settings(p.m_environment.store);
    DitherUpdate({p.XOffset,
                  p.YOffset,
                  p.nDitherType,
                  p.nStepSize,
                  p.nMaxDitherX,
                  p.nMaxDitherY,
                  p.nCurrentStep,
                  p.bCurrentDirection,
                  p.sPattern},
                 {settings, p.m_environment.random, p.m_environment.ui},
                 step);
    p.bGuiding = false;
}

void moduleEvent::GuideEvent(DitherPlugIn &p, std::int32_t WhichCamera, SkipOnFailure &step)
{
    State &s = Module();
    const Settings settings(p.m_environment.store);

    std::unique_ptr<HostCamera> camera;
    auto cam = [&]() -> HostCamera & {
        if (!camera)
            throw CameraError("no camera object");
        return *camera;
    };
    auto select = [&](std::int32_t offset) {
        step([&] { cam().Set("Autoguider", double(CheckedAdd(WhichCamera, offset))); });
    };

    if (p.Debugging == TestModes::Normal) {
        step([&] { camera = p.m_environment.cameras.Create(); });
        select(0);
    }
    p.bGuiding = true;

    bool guideStart = false;
    if (p.Debugging == TestModes::Correction) {
        guideStart = false;
    } else if (p.Debugging == TestModes::GuideStart) {
        guideStart = true;
    } else {
        // Unreadable errors (no camera object) count as a guide start.
        guideStart = step.test([&] {
            const double x = CameraNumber(cam().Get("GuideErrorX"));
            const double y = CameraNumber(cam().Get("GuideErrorY"));
            return x == 0 && y == 0;
        });
    }

    if (guideStart) {
        s.ErrorSumX = 0.0;
        s.ErrorSumY = 0.0;
        s.ErrorCount = 0.0;
        step([&] { p.XOffset = StrictNumber(settings.Get(Keys::CurrentOffsetX, "16")); });
        step([&] { p.YOffset = StrictNumber(settings.Get(Keys::CurrentOffsetY, "16")); });
        step([&] { p.nMaxMove = CameraNumber(cam().Get("AutoguiderMaximumMove")) / MoveDivisor; });
        step([&] { p.nMinMove = CameraNumber(cam().Get("AutoguiderMinimumMove")) / MoveDivisor; });
        s.ErrorBufferX = freshBuffer();
        s.ErrorBufferY = freshBuffer();
        // Read as a truth value: 0 or -1 until the next dither update decodes the type.
        step([&] { p.nDitherType = StrictFlag(settings.Get(Keys::DitherType, "0")) ? -1 : 0; });
        step([&] { p.nStepSize = StrictNumber(settings.Get(Keys::DitherStep, "1")); });
        step([&] { p.nMaxDitherX = StrictNumber(settings.Get(Keys::MaxDitherX, "4")); });
        p.nMaxDitherY = p.nMaxDitherX;
        step([&] { Spiral::InitSpiral(settings, p.nMaxDitherX, p.nStepSize, false); });
        p.bGuiding = false;
        step([&] { p.WriteLogBlock(false); });
        camera.reset();
        return;
    }

    // Correction. With N = 1 every frame completes a set.
    step([&] { s.ErrorCount = finite(number(s.ErrorCount) + 1); });
    select(SelectorOffset);
    step([&] {
        const Variant error = CameraNumber(cam().Get("GuideErrorX"));
        s.ErrorBufferX.value().at(std::size_t(number(s.ErrorCount) - 1)) = error;
    });
    step([&] {
        const Variant error = CameraNumber(cam().Get("GuideErrorY"));
        s.ErrorBufferY.value().at(std::size_t(number(s.ErrorCount) - 1)) = error;
    });
    select(0);

    int countX = 0;
    int countY = 0;
    for (int i = 0; i < N; ++i) {
        ++countX;
        step([&] {
            s.ErrorSumX = finite(number(s.ErrorSumX) + number(s.ErrorBufferX.value().at(i)));
        });
        ++countY;
        step([&] {
            s.ErrorSumY = finite(number(s.ErrorSumY) + number(s.ErrorBufferY.value().at(i)));
        });
    }
    s.AvgErrorX = number(s.ErrorSumX) / countX;
    s.AvgErrorY = number(s.ErrorSumY) / countY;

    limit(s.AvgErrorX, p.XOffset, p.nMaxMove, p.nMinMove, step);
    limit(s.AvgErrorY, p.YOffset, p.nMaxMove, p.nMinMove, step);

    select(SelectorOffset);
    step([&] { cam().Set("EnabledXAxis", true); });
    step([&] { cam().Set("enabledyaxis", true); });
    step([&] {
        cam().Move(finite(Centre + number(s.AvgErrorX)),
                   finite(Centre + number(s.AvgErrorY)),
                   p.XOffset,
                   p.YOffset);
    });
    step([&] { cam().Set("EnabledXAxis", false); });
    step([&] { cam().Set("enabledyaxis", false); });
    select(0);

    if (p.bLog) {
        step([&] {
            p.WriteGuideErrorLine(number(s.AvgErrorX), number(s.AvgErrorY), p.XOffset, p.YOffset);
        });
    }

    s.ErrorSumX = 0.0;
    s.ErrorSumY = 0.0;
    s.ErrorCount = 0.0;
    step([&] {
        for (int i = 0; i < N; ++i)
            s.ErrorBufferX.value().at(i) = 0.0;
    });
    step([&] {
        for (int i = 0; i < N; ++i)
            s.ErrorBufferY.value().at(i) = 0.0;
    });

    if (WhichCamera == Events::Autoguider)
        step([&] { cam().Set("Autoguider", 0.0); });
    camera.reset();
}

} // namespace Quiverstep
