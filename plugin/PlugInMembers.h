#pragma once

#include "DitherPlugIn.h"
#include "HostCamera.h"

#include <span>
#include <string_view>

namespace Quiverstep {

// The automation types of the interface's members.
enum class MemberType {
    Double,
    Boolean,
    Integer, // 16 bits
    String,
};

// A member of _DitherPlugIn that a client reads, and perhaps writes, by name. Every
// front-end that binds by name (the C library, the host script) goes through this one
// description.
struct PlugInMember
{
    std::string_view name; // as the interface spells it
    MemberType type;
    bool dataMember; // one of the public data members
    CameraValue (*read)(const DitherPlugIn &plugIn);
    // Takes a value already of the member's type (see ConvertForMember); null when read-only.
    void (*write)(DitherPlugIn &plugIn, const CameraValue &value);
};

// The public data members in interface order, then Name and NumberToAverage.
std::span<const PlugInMember> PlugInMembers();

// The member of that name, matched without regard to case as automation does; null if none.
const PlugInMember *FindPlugInMember(std::string_view name);

// A value converted to the member's type as automation converts it: a Double from a number,
// a truth value (True is -1) or numeric text; a Boolean from "True"/"False" in any case or a
// number (non-zero is True); an Integer from the same as a Double, rounded with halves to
// even. Throws ConversionError for a value that does not convert and OverflowError for a
// number outside the type.
CameraValue ConvertForMember(MemberType type, const CameraValue &value);

} // namespace Quiverstep
