#include "GuideCameraModel.h"

#include "Conversions.h"
#include "GuideBox.h"

#include <cmath>
#include <numbers>

namespace Quiverstep {

namespace {

// Where the guide box lies on the guide chip, for the readings in chip pixels.
constexpr double BoxLeft = 312;
constexpr double BoxTop = 228;
constexpr double Declination = 41.27;
constexpr double CalibrationSeconds = 12.5;

} // namespace

GuideCameraModel::GuideCameraModel(const Options &options)
    : m_options(options)
    , m_random(options.seed)
{}

void GuideCameraModel::StartGuiding()
{
    m_starX = GuideBox::Centre;
    m_starY = GuideBox::Centre;
    m_errorX = 0;
    m_errorY = 0;
}

void GuideCameraModel::TakeFrame()
{
    ++m_frame;
    m_starX += m_options.driftX;
    m_starY += m_options.driftY;
    if (m_options.periodicFrames > 0) {
        const double w = 2 * std::numbers::pi / m_options.periodicFrames;
        m_starX += m_options.periodicAmplitude
                   * (std::sin(w * double(m_frame)) - std::sin(w * double(m_frame - 1)));
    }
    m_errorX = m_starX - GuideBox::Centre + m_options.seeing * m_random.NextGaussian();
    m_errorY = m_starY - GuideBox::Centre + m_options.seeing * m_random.NextGaussian();
}

CameraValue GuideCameraModel::Get(std::string_view member) const
{
    const std::string name = ToUpper(member);
    if (name == "GUIDEERRORX")
        return m_errorX;
    if (name == "GUIDEERRORY")
        return m_errorY;
    if (name == "AUTOGUIDERMAXIMUMMOVE")
        return m_options.maxMove * 1000;
    if (name == "AUTOGUIDERMINIMUMMOVE")
        return m_options.minMove * 1000;
    if (name == "ENABLEDXAXIS")
        return m_enabledX;
    if (name == "ENABLEDYAXIS")
        return m_enabledY;
    if (name == "AUTOGUIDER")
        return m_autoguider;
    if (name == "STATUS")
        return m_status;
    if (name == "GUIDESTARX")
        return BoxLeft + MeasuredX();
    if (name == "GUIDESTARY")
        return BoxTop + MeasuredY();
    if (name == "MOVETOX")
        return BoxLeft + m_moveToX;
    if (name == "MOVETOY")
        return BoxTop + m_moveToY;
    if (name == "TELESCOPEDECLINATION")
        return Declination;
    if (name == "AUTOGUIDERBACKLASHXAXIS" || name == "AUTOGUIDERBACKLASHYAXIS")
        return 0.0;
    if (name == "AUTOGUIDERCALIBRATIONTIMEXAXIS" || name == "AUTOGUIDERCALIBRATIONTIMEYAXIS")
        return CalibrationSeconds;
    if (name == "AUTOGUIDERDELAYAFTERCORRECTION" || name == "DELAY")
        return 0.0;
    if (name == "AUTOGUIDEREXPOSURETIME")
        return m_options.frameSeconds;
    if (name == "EXPOSURETIME")
        return m_options.exposureSeconds;
    if (name == "BINX" || name == "BINY")
        return 1.0;
    if (name == "IMAGEREDUCTION" || name == "MOVEVIA")
        return 0.0;
    if (name == "REVERSEX")
        return false;
    if (name == "SUBFRAME")
        return true;
    if (name == "SUBFRAMELEFT")
        return BoxLeft;
    if (name == "SUBFRAMETOP")
        return BoxTop;
    if (name == "SUBFRAMERIGHT")
        return BoxLeft + GuideBox::Cells;
    if (name == "SUBFRAMEBOTTOM")
        return BoxTop + GuideBox::Cells;
    throw CameraError("the camera has no member " + std::string(member));
}

void GuideCameraModel::Set(std::string_view member, const CameraValue &value)
{
    const std::string name = ToUpper(member);
    if (name == "AUTOGUIDER")
        m_autoguider = CameraNumber(value);
    else if (name == "STATUS")
        m_status = CameraText(value);
    else if (name == "ENABLEDXAXIS")
        m_enabledX = CameraNumber(value) != 0;
    else if (name == "ENABLEDYAXIS")
        m_enabledY = CameraNumber(value) != 0;
    else
        throw CameraError("the camera member " + std::string(member) + " cannot be written");
}

void GuideCameraModel::Move(double fromX, double fromY, double toX, double toY)
{
    ++m_moves;
    m_moveToX = toX;
    m_moveToY = toY;
    if (m_enabledX)
        m_starX += toX - fromX;
    if (m_enabledY)
        m_starY += toY - fromY;
}

} // namespace Quiverstep
