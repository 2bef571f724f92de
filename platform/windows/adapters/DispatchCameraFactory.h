#pragma once

#include "HostCamera.h"

#include <string>

namespace Quiverstep {

// Creates the host's camera object by its ProgID ("CCDSoft.Camera") on the caller's thread.
class DispatchCameraFactory : public HostCameraFactory
{
public:
    explicit DispatchCameraFactory(std::wstring progId = L"CCDSoft.Camera");
    std::unique_ptr<HostCamera> Create() override;

private:
    std::wstring m_progId;
};

} // namespace Quiverstep
