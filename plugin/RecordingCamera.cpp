#include "RecordingCamera.h"

#include "Conversions.h"

namespace Quiverstep {

RecordingCameraFactory::RecordingCameraFactory(Recorder recorder)
    : m_recorder(std::move(recorder))
{}

std::unique_ptr<HostCamera> RecordingCameraFactory::Create()
{
    if (m_absent) {
        record("camera: create failed");
        throw CameraError("CCDSoft.Camera cannot be created");
    }
    record("camera: create");
    return std::make_unique<RecordingCamera>(*this);
}

void RecordingCameraFactory::SetValue(const std::string &member, CameraValue value)
{
    m_values[ToUpper(member)] = std::move(value);
}

void RecordingCameraFactory::FailMember(const std::string &member)
{
    m_failing.insert(ToUpper(member));
}

void RecordingCameraFactory::record(const std::string &line)
{
    if (m_keepLines)
        m_lines.push_back(line);
    if (m_recorder)
        m_recorder(line);
}

RecordingCamera::RecordingCamera(RecordingCameraFactory &factory)
    : m_factory(factory)
{
    ++m_factory.m_live;
}

RecordingCamera::~RecordingCamera()
{
    --m_factory.m_live;
    if (m_factory.recording())
        m_factory.record("camera: release");
}

void RecordingCamera::check(std::string_view member)
{
    if (!m_factory.m_failing.empty() && m_factory.m_failing.count(ToUpper(member))) {
        m_factory.record("camera: " + std::string(member) + " failed");
        throw CameraError(std::string(member) + " failed");
    }
}

CameraValue RecordingCamera::Get(std::string_view member)
{
    check(member);
    const auto it = m_factory.m_values.find(ToUpper(member));
    const CameraValue value = it == m_factory.m_values.end() ? CameraValue(0.0) : it->second;
    if (m_factory.recording()) {
        m_factory.record("camera: " + std::string(member) + " -> " + CameraText(value));
    }
    return value;
}

void RecordingCamera::Set(std::string_view member, const CameraValue &value)
{
    check(member);
    if (m_factory.recording()) {
        m_factory.record("camera: " + std::string(member) + " = " + CameraText(value));
    }
}

void RecordingCamera::Move(double fromX, double fromY, double &toX, double &toY)
{
    check("Move");
    if (!m_factory.recording())
        return;
    m_factory.record("camera: Move(" + RealToText(fromX) + ", " + RealToText(fromY) + ", "
                     + RealToText(toX) + ", " + RealToText(toY) + ")");
}

} // namespace Quiverstep
