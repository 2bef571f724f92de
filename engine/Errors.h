#pragma once

#include <stdexcept>

namespace Quiverstep {

// A stored or typed text that a strict conversion cannot read.
class ConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A number that does not fit its target type (or is not finite).
class OverflowError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The settings store cannot be opened, read or written.
class StoreError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A stored setting that would make a computation meaningless (a step of 0).
class SettingError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace Quiverstep
