#include "SimulatedCameraFactory.h"

#include "SimulatedCamera.h"

namespace Quiverstep {

std::unique_ptr<HostCamera> SimulatedCameraFactory::Create()
{
    ++m_created;
    return std::make_unique<SimulatedCamera>(m_model);
}

} // namespace Quiverstep
