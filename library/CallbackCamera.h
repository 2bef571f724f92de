#pragma once

#include "quiverstep.h"

#include "HostCamera.h"

namespace Quiverstep {

// A camera object of a C host, reached through its table of functions. Releasing this
// object releases the host's.
class CallbackCamera : public HostCamera
{
public:
    CallbackCamera(const QuiverstepHostCamera &table, void *camera);
    ~CallbackCamera() override;
    CallbackCamera(const CallbackCamera &) = delete;
    CallbackCamera &operator=(const CallbackCamera &) = delete;

    CameraValue Get(std::string_view member) override;
    void Set(std::string_view member, const CameraValue &value) override;
    void Move(double fromX, double fromY, double &toX, double &toY) override;

private:
    const QuiverstepHostCamera &m_table;
    void *m_camera;
};

} // namespace Quiverstep
