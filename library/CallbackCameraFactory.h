#pragma once

#include "quiverstep.h"

#include "HostCamera.h"

namespace Quiverstep {

// Creates camera objects through a C host's table of functions; without a table, or when
// its create returns NULL, creation fails as it does when the host's object is missing.
class CallbackCameraFactory : public HostCameraFactory
{
public:
    explicit CallbackCameraFactory(const QuiverstepHostCamera *table);

    std::unique_ptr<HostCamera> Create() override;

private:
    bool m_present;
    QuiverstepHostCamera m_table;
};

} // namespace Quiverstep
