#pragma once

#include "Conversions.h"
#include "Errors.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace Quiverstep {

// A failing creation, read, write or call of the host's camera object.
class CameraError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A value of the host's automation interface: empty, truth value, number or text. A Single
// keeps its type, so that it is written as a Single's text.
using CameraValue = std::variant<std::monostate, bool, double, std::string, float>;

// The value in arithmetic: empty is 0, True is -1, a text must be a number.
inline double CameraNumber(const CameraValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return *number;
    if (const float *single = std::get_if<float>(&value))
        return *single;
    if (const bool *flag = std::get_if<bool>(&value))
        return *flag ? -1 : 0;
    if (const std::string *text = std::get_if<std::string>(&value))
        return StrictNumber(*text);
    return 0;
}

// The value's own text form: numbers as real-number text, "True"/"False", texts unchanged.
inline std::string CameraText(const CameraValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return RealToText(*number);
    if (const float *single = std::get_if<float>(&value))
        return SingleToText(*single);
    if (const bool *flag = std::get_if<bool>(&value))
        return FlagToText(*flag);
    if (const std::string *text = std::get_if<std::string>(&value))
        return *text;
    return {};
}

// The host's camera automation object ("CCDSoft.Camera"), used by member name; names match
// without regard to case. Every member may throw CameraError. Destroying it releases it.
class HostCamera
{
public:
    virtual ~HostCamera() = default;
    virtual CameraValue Get(std::string_view member) = 0;
    virtual void Set(std::string_view member, const CameraValue &value) = 0;
    // Moves the star now at (fromX, fromY) to (toX, toY), in guide-box pixels.
    virtual void Move(double fromX, double fromY, double &toX, double &toY) = 0;
};

// Stands in for creating the host's camera object by name; throws CameraError when it cannot.
class HostCameraFactory
{
public:
    virtual ~HostCameraFactory() = default;
    virtual std::unique_ptr<HostCamera> Create() = 0;
};

} // namespace Quiverstep
