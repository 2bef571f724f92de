#include "SimulatedCameraFactory.h"

#include "SimulatedCamera.h"

namespace Quiverstep {

std::unique_ptr<HostCamera> SimulatedCameraFactory::Create()
{
    return std::make_unique<SimulatedCamera>(m_model);
}

} // namespace Quiverstep
