#pragma once

#include "GuideCameraModel.h"
#include "HostCamera.h"

namespace Quiverstep {

// Creates the simulated host's camera objects, all on one model.
class SimulatedCameraFactory : public HostCameraFactory
{
public:
    explicit SimulatedCameraFactory(GuideCameraModel &model)
        : m_model(model)
    {}

    std::unique_ptr<HostCamera> Create() override;


private:
    GuideCameraModel &m_model;
};

} // namespace Quiverstep
