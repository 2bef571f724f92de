#include "DitherType.h"

#include "Conversions.h"

namespace Quiverstep::DitherType {

double Decode(std::string_view stored)
{
    const std::string upper = ToUpper(stored);
    if (upper == "TRUE")
        return Random;
    if (upper == "FALSE")
        return Spiral;
    return RoundHalfEven(LeadingNumber(stored));
}

} // namespace Quiverstep::DitherType
