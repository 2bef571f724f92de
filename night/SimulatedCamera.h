#pragma once

#include "GuideCameraModel.h"
#include "HostCamera.h"

namespace Quiverstep {

// One camera object of the simulated host: a handle on the model, which outlives it.
class SimulatedCamera : public HostCamera
{
public:
    explicit SimulatedCamera(GuideCameraModel &model)
        : m_model(model)
    {}

    CameraValue Get(std::string_view member) override { return m_model.Get(member); }
    void Set(std::string_view member, const CameraValue &value) override
    {
        m_model.Set(member, value);
    }
    void Move(double fromX, double fromY, double &toX, double &toY) override
    {
        m_model.Move(fromX, fromY, toX, toY);
    }

private:
    GuideCameraModel &m_model;
};

} // namespace Quiverstep
