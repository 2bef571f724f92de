#pragma once

#include "quiverstep.h"

#include "HostCamera.h"

#include <string>

namespace Quiverstep {

// A value handed to C; its text lives as long as this object.
class CValue
{
public:
    explicit CValue(const CameraValue &value);
    CValue(const CValue &) = delete;
    CValue &operator=(const CValue &) = delete;

    const QuiverstepValue &value() const { return m_value; }

private:
    std::string m_text;
    QuiverstepValue m_value;
};

// A value from C, its text copied. Throws ConversionError for a type it does not know.
CameraValue FromCValue(const QuiverstepValue &value);

} // namespace Quiverstep
