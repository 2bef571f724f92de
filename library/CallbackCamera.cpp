#include "CallbackCamera.h"

#include "CValue.h"

#include <string>

namespace Quiverstep {

namespace {

[[noreturn]] void failed(std::string_view what)
{
    throw CameraError("the host's camera failed: " + std::string(what));
}

} // namespace

CallbackCamera::CallbackCamera(const QuiverstepHostCamera &table, void *camera)
    : m_table(table)
    , m_camera(camera)
{}

CallbackCamera::~CallbackCamera()
{
    if (m_table.release)
        m_table.release(m_table.context, m_camera);
}

CameraValue CallbackCamera::Get(std::string_view member)
{
    const std::string name(member);
    QuiverstepValue value{QUIVERSTEP_EMPTY, 0, 0, nullptr};
    if (!m_table.get || m_table.get(m_table.context, m_camera, name.c_str(), &value) != 0)
        failed(name);
    return FromCValue(value);
}

void CallbackCamera::Set(std::string_view member, const CameraValue &value)
{
    const std::string name(member);
    const CValue converted(value);
    if (!m_table.set
        || m_table.set(m_table.context, m_camera, name.c_str(), &converted.value()) != 0)
        failed(name);
}

void CallbackCamera::Move(double fromX, double fromY, double &toX, double &toY)
{
    if (!m_table.move || m_table.move(m_table.context, m_camera, fromX, fromY, &toX, &toY) != 0)
        failed("Move");
}

} // namespace Quiverstep
