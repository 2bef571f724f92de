#include "Spiral.h"

#include "Conversions.h"
#include "Errors.h"
#include "GuideBox.h"
#include "SettingKeys.h"

#include <cmath>

namespace Quiverstep {

namespace Spiral {

void InitSpiral(State &m, const Settings &settings, double maxDither, double stepSize, bool reset)
{
    if (stepSize == 0)
        throw SettingError("Dither Step must not be 0");
    m.SpiralStepSize = stepSize;
    m.initialised = true;
    if (reset) {
        m.SpiralInOut = true;
        m.SpiralRadius = 0;
        m.SpiralDirX = 0;
        m.SpiralDirY = 0;
        m.SpiralStartX = GuideBox::Centre;
        m.SpiralStartY = GuideBox::Centre;
        m.SpiralPosX = std::int32_t(GuideBox::Centre);
        m.SpiralPosY = std::int32_t(GuideBox::Centre);
        SaveSpiralState(m, settings);
    } else {
        LoadSpiralState(m, settings);
    }
    m.SpiralGridStep = 1;
    m.SpiralLimit = ToLong(maxDither / stepSize);
    m.PathColour = ColourBlue;
}

void NextSpiralPosition(State &m, const Settings &settings, double &x, double &y)
{
    if (!m.initialised) {
        // Nothing has brought the walk into memory yet: continue the stored one.
        InitSpiral(m,
                   settings,
                   StrictNumber(settings.Get(Keys::MaxDitherX, Keys::Defaults::MaxDither)),
                   StrictNumber(settings.Get(Keys::DitherStep, Keys::Defaults::DitherStep)),
                   false);
    }
    double gx = m.SpiralPosX;
    double gy = m.SpiralPosY;
    StepSpiral(m, gx, gy);
    m.SpiralPosX = ToLong(gx);
    m.SpiralPosY = ToLong(gy);
    const double nx = (gx - GuideBox::Centre) * m.SpiralStepSize + GuideBox::Centre;
    const double ny = (gy - GuideBox::Centre) * m.SpiralStepSize + GuideBox::Centre;
    // A huge step can overflow: the call fails before it hands out or saves a position.
    if (!std::isfinite(nx) || !std::isfinite(ny))
        throw OverflowError("spiral position out of range");
    x = nx;
    y = ny;
    SaveSpiralState(m, settings);
}

void StepSpiral(State &m, double &gx, double &gy)
{
    const double s = m.SpiralGridStep;
    const double limit = m.SpiralLimit;
    if (m.SpiralRadius == 0) {
        m.SpiralInOut = true;
        gx -= s;
        m.SpiralRadius = s;
        m.SpiralStartX = gx;
        m.SpiralStartY = gy;
        m.SpiralDirX = 0;
        m.SpiralDirY = -1;
        m.PathColour = ColourBlue;
        return;
    }
    if (m.SpiralStartX == gx && m.SpiralStartY + s == gy) {
        // Back below the ring's start: the ring is complete.
        m.SpiralDirX = 0;
        m.SpiralDirY = -1;
        gy -= s;
        if (m.SpiralInOut) {
            if (gx - s < GuideBox::Centre - limit) {
                m.SpiralInOut = false;
                m.PathColour = ColourRed;
            } else {
                gx -= s;
                m.SpiralRadius += s;
            }
        } else {
            gx += s;
            m.SpiralRadius -= s;
        }
        m.SpiralStartX = gx;
        m.SpiralStartY = gy;
        return;
    }
    const double low = GuideBox::Centre - s * m.SpiralRadius;
    const double high = GuideBox::Centre + s * m.SpiralRadius;
    double cx = gx + s * m.SpiralDirX;
    double cy = gy + s * m.SpiralDirY;
    if (cx < low || cx > high || cy < low || cy > high) {
        if (m.SpiralDirX == 0 && m.SpiralDirY == -1) {
            m.SpiralDirX = 1;
            m.SpiralDirY = 0;
        } else if (m.SpiralDirX == 1 && m.SpiralDirY == 0) {
            m.SpiralDirX = 0;
            m.SpiralDirY = 1;
        } else if (m.SpiralDirX == 0 && m.SpiralDirY == 1) {
            m.SpiralDirX = -1;
            m.SpiralDirY = 0;
        } else {
            m.SpiralDirX = 0;
            m.SpiralDirY = -1;
        }
        cx = gx + s * m.SpiralDirX;
        cy = gy + s * m.SpiralDirY;
    }
    gx = cx;
    gy = cy;
}

void SaveSpiralState(const State &m, const Settings &settings)
{
    settings.Save(Keys::SpiralInOut, FlagToText(m.SpiralInOut));
    settings.Save(Keys::SpiralRadius, RealToText(m.SpiralRadius));
    settings.Save(Keys::SpiralDirectionX, IntegerToText(m.SpiralDirX));
    settings.Save(Keys::SpiralDirectionY, IntegerToText(m.SpiralDirY));
    settings.Save(Keys::SpiralStartX, RealToText(m.SpiralStartX));
    settings.Save(Keys::SpiralStartY, RealToText(m.SpiralStartY));
    settings.Save(Keys::SpiralPosX, IntegerToText(m.SpiralPosX));
    settings.Save(Keys::SpiralPosY, IntegerToText(m.SpiralPosY));
}

void LoadSpiralState(State &m, const Settings &settings)
{
    m.SpiralInOut = StrictFlag(settings.Get(Keys::SpiralInOut, "True"));
    m.SpiralRadius = StrictNumber(settings.Get(Keys::SpiralRadius, "0"));
    m.SpiralDirX = ToLong(StrictNumber(settings.Get(Keys::SpiralDirectionX, "0")));
    m.SpiralDirY = ToLong(StrictNumber(settings.Get(Keys::SpiralDirectionY, "0")));
    m.SpiralStartX = StrictNumber(settings.Get(Keys::SpiralStartX, Keys::Defaults::Position));
    m.SpiralStartY = StrictNumber(settings.Get(Keys::SpiralStartY, Keys::Defaults::Position));
    m.SpiralPosX = ToLong(StrictNumber(settings.Get(Keys::SpiralPosX, Keys::Defaults::Position)));
    m.SpiralPosY = ToLong(StrictNumber(settings.Get(Keys::SpiralPosY, Keys::Defaults::Position)));
}

} // namespace Spiral

std::int32_t PathColourValue(const Spiral::State &walk)
{
    return walk.PathColour.value_or(0);
}

} // namespace Quiverstep
