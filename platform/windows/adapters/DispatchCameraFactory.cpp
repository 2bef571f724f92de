#include "DispatchCameraFactory.h"

#include "DispatchCamera.h"

#include <objbase.h>

namespace Quiverstep {

DispatchCameraFactory::DispatchCameraFactory(std::wstring progId)
    : m_progId(std::move(progId))
{}

std::unique_ptr<HostCamera> DispatchCameraFactory::Create()
{
    CLSID camera{};
    if (FAILED(CLSIDFromProgID(m_progId.c_str(), &camera)))
        throw CameraError("camera: the host's camera component is not registered");
    IDispatch *dispatch = nullptr;
    const HRESULT result = CoCreateInstance(camera,
                                            nullptr,
                                            CLSCTX_SERVER,
                                            IID_IDispatch,
                                            reinterpret_cast<void **>(&dispatch));
    if (FAILED(result) || !dispatch)
        throw CameraError("camera: the host's camera object cannot be created");
    return std::make_unique<DispatchCamera>(dispatch);
}

} // namespace Quiverstep
