#pragma once

#include "HostCamera.h"

#include <oaidl.h>

namespace Quiverstep {

// The host's camera automation object, used late-bound by member name through IDispatch:
// property reads and writes, and Move with its targets passed by reference.
class DispatchCamera : public HostCamera
{
public:
    explicit DispatchCamera(IDispatch *camera); // takes over the reference
    ~DispatchCamera() override;
    DispatchCamera(const DispatchCamera &) = delete;
    DispatchCamera &operator=(const DispatchCamera &) = delete;

    CameraValue Get(std::string_view member) override;
    void Set(std::string_view member, const CameraValue &value) override;
    void Move(double fromX, double fromY, double &toX, double &toY) override;

    // The automation value as the core sees it; a value without a text form (an object, an
    // array, Null) throws CameraError.
    static CameraValue FromVariant(const VARIANT &value);

private:
    DISPID member(std::string_view name);

    IDispatch *m_camera;
};

} // namespace Quiverstep
