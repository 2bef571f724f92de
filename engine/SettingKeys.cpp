#include "SettingKeys.h"

#include "Conversions.h"

namespace Quiverstep::Keys {

std::string Pattern(std::int64_t n)
{
    return std::string(PatternPrefix) + IntegerToText(n);
}

} // namespace Quiverstep::Keys
