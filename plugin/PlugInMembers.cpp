#include "PlugInMembers.h"

#include "Conversions.h"
#include "Errors.h"

#include <array>
#include <type_traits>

namespace Quiverstep {

namespace {

// A public data member through its pointer: a Boolean as a truth value, any other as a number.
template<auto Field>
CameraValue readField(const DitherPlugIn &plugIn)
{
    const auto &field = plugIn.*Field;
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, bool>)
        return CameraValue(field);
    else
        return CameraValue(double(field));
}

template<auto Field>
void writeField(DitherPlugIn &plugIn, const CameraValue &value)
{
    auto &field = plugIn.*Field;
    using Type = std::remove_reference_t<decltype(field)>;
    if constexpr (std::is_same_v<Type, bool>)
        field = std::get<bool>(value);
    else
        field = Type(std::get<double>(value));
}

template<auto Field>
constexpr PlugInMember dataMember(std::string_view name, MemberType type)
{
    return {name, type, true, readField<Field>, writeField<Field>};
}

const std::array<PlugInMember, 8> Members{{
        dataMember<&DitherPlugIn::XOffset>("XOffset", MemberType::Double),
        dataMember<&DitherPlugIn::YOffset>("YOffset", MemberType::Double),
        dataMember<&DitherPlugIn::bGuiding>("bGuiding", MemberType::Boolean),
        dataMember<&DitherPlugIn::nMaxMove>("nMaxMove", MemberType::Double),
        dataMember<&DitherPlugIn::nMinMove>("nMinMove", MemberType::Double),
        dataMember<&DitherPlugIn::Debugging>("Debugging", MemberType::Integer),
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
             p.SetNumberToAverage(std::int16_t(std::get<double>(v)));
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
