#include "PlugInMembers.h"

#include "Conversions.h"
#include "Errors.h"

#include <array>

namespace Quiverstep {

namespace {

double number(const CameraValue &value)
{
    return std::get<double>(value);
}

const std::array<PlugInMember, 8> Members{{
        {"XOffset",
         MemberType::Double,
         true,
         [](const DitherPlugIn &p) { return CameraValue(p.XOffset); },
         [](DitherPlugIn &p, const CameraValue &v) { p.XOffset = number(v); }},
        {"YOffset",
         MemberType::Double,
         true,
         [](const DitherPlugIn &p) { return CameraValue(p.YOffset); },
         [](DitherPlugIn &p, const CameraValue &v) { p.YOffset = number(v); }},
        {"bGuiding",
         MemberType::Boolean,
         true,
         [](const DitherPlugIn &p) { return CameraValue(p.bGuiding); },
         [](DitherPlugIn &p, const CameraValue &v) { p.bGuiding = std::get<bool>(v); }},
        {"nMaxMove",
         MemberType::Double,
         true,
         [](const DitherPlugIn &p) { return CameraValue(p.nMaxMove); },
         [](DitherPlugIn &p, const CameraValue &v) { p.nMaxMove = number(v); }},
        {"nMinMove",
         MemberType::Double,
         true,
         [](const DitherPlugIn &p) { return CameraValue(p.nMinMove); },
         [](DitherPlugIn &p, const CameraValue &v) { p.nMinMove = number(v); }},
        {"Debugging",
         MemberType::Integer,
         true,
         [](const DitherPlugIn &p) { return CameraValue(double(p.Debugging)); },
         [](DitherPlugIn &p, const CameraValue &v) { p.Debugging = std::int16_t(number(v)); }},
        {"Name",
         MemberType::String,
         false,
         [](const DitherPlugIn &p) { return CameraValue(p.Name()); },
         nullptr},
        {"NumberToAverage",
         MemberType::Integer,
         false,
         [](const DitherPlugIn &p) { return CameraValue(double(p.NumberToAverage())); },
         [](DitherPlugIn &p, const CameraValue &v) {
             p.SetNumberToAverage(std::int16_t(number(v)));
         }},
}};

} // namespace

std::span<const PlugInMember> PlugInMembers()
{
    return Members;
}

const PlugInMember *FindPlugInMember(std::string_view name)
{
    const std::string wanted = ToUpper(name);
    for (const PlugInMember &member : Members) {
        if (ToUpper(member.name) == wanted)
            return &member;
    }
    return nullptr;
}

CameraValue ConvertForMember(MemberType type, const CameraValue &value)
{
    switch (type) {
    case MemberType::Double:
        return CameraNumber(value);
    case MemberType::Integer:
        return double(ToInteger(CameraNumber(value)));
    case MemberType::Boolean:
        if (const std::string *text = std::get_if<std::string>(&value))
            return StrictFlag(*text);
        return CameraNumber(value) != 0;
    case MemberType::String:
        return CameraText(value);
    }
    throw ConversionError("no such type");
}

} // namespace Quiverstep
