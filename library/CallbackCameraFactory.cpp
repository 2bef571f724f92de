#include "CallbackCameraFactory.h"

#include "CallbackCamera.h"

namespace Quiverstep {

CallbackCameraFactory::CallbackCameraFactory(const QuiverstepHostCamera *table)
    : m_present(table != nullptr)
    , m_table(table ? *table : QuiverstepHostCamera{})
{}

std::unique_ptr<HostCamera> CallbackCameraFactory::Create()
{
    void *camera = m_present && m_table.create ? m_table.create(m_table.context) : nullptr;
    if (!camera)
        throw CameraError("the host's camera object cannot be created");
    try {
        return std::make_unique<CallbackCamera>(m_table, camera);
    } catch (...) {
        if (m_table.release)
            m_table.release(m_table.context, camera);
        throw;
    }
}

} // namespace Quiverstep
