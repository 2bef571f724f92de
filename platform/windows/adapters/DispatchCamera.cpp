#include "DispatchCamera.h"

#include "WideText.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace Quiverstep {

namespace {

[[noreturn]] void fail(std::string_view member, const char *what, HRESULT result)
{
    char code[16];
    std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(result));
    throw CameraError("camera: " + std::string(what) + " " + std::string(member) + " failed (0x"
                      + code + ")");
}

// Whole numbers go as 32-bit integers, the type the host's camera selects by.
VARIANT toVariant(const CameraValue &value)
{
    VARIANT v;
    VariantInit(&v);
    if (const bool *flag = std::get_if<bool>(&value)) {
        v.vt = VT_BOOL;
        v.boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const double *number = std::get_if<double>(&value)) {
        if (std::trunc(*number) == *number && *number >= std::numeric_limits<LONG>::min()
            && *number <= std::numeric_limits<LONG>::max()) {
            v.vt = VT_I4;
            v.lVal = LONG(*number);
        } else {
            v.vt = VT_R8;
            v.dblVal = *number;
        }
    } else if (const std::string *text = std::get_if<std::string>(&value)) {
        const std::wstring wide = Widen(*text);
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocStringLen(wide.data(), UINT(wide.size()));
    }
    return v;
}

} // namespace

DispatchCamera::DispatchCamera(IDispatch *camera)
    : m_camera(camera)
{}

DispatchCamera::~DispatchCamera()
{
    m_camera->Release();
}

DISPID DispatchCamera::member(std::string_view name)
{
    std::wstring wide = Widen(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT result = m_camera->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result))
        fail(name, "finding", result);
    return id;
}

CameraValue DispatchCamera::FromVariant(const VARIANT &value)
{
    switch (value.vt) {
    case VT_EMPTY:
        return std::monostate{};
    case VT_BOOL:
        return value.boolVal != VARIANT_FALSE;
    case VT_R4:
        return value.fltVal;
    case VT_BSTR:
        return Narrow(value.bstrVal ? std::wstring_view(value.bstrVal, SysStringLen(value.bstrVal))
                                    : std::wstring_view());
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_INT:
    case VT_UINT:
    case VT_R8:
    case VT_CY:
    case VT_DECIMAL: {
        VARIANT number;
        VariantInit(&number);
        const HRESULT result = VariantChangeTypeEx(&number,
                                                   const_cast<VARIANT *>(&value),
                                                   LOCALE_INVARIANT,
                                                   0,
                                                   VT_R8);
        if (FAILED(result))
            fail("value", "converting", result);
        return number.dblVal;
    }
    default:
        throw CameraError("camera: a value without a text form");
    }
}

CameraValue DispatchCamera::Get(std::string_view name)
{
    const DISPID id = member(name);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    // As a late-bound read of an expression is made: a property, or a method without
    // arguments.
    const HRESULT status = m_camera->Invoke(id,
                                            IID_NULL,
                                            LOCALE_USER_DEFAULT,
                                            DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                                            &none,
                                            &result,
                                            nullptr,
                                            nullptr);
    if (FAILED(status))
        fail(name, "reading", status);
    try {
        CameraValue value = FromVariant(result);
        VariantClear(&result);
        return value;
    } catch (...) {
        VariantClear(&result);
        throw;
    }
}

void DispatchCamera::Set(std::string_view name, const CameraValue &value)
{
    const DISPID id = member(name);
    VARIANT argument = toVariant(value);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&argument, &named, 1, 1};
    const HRESULT status = m_camera->Invoke(id,
                                            IID_NULL,
                                            LOCALE_USER_DEFAULT,
                                            DISPATCH_PROPERTYPUT,
                                            &parameters,
                                            nullptr,
                                            nullptr,
                                            nullptr);
    VariantClear(&argument);
    if (FAILED(status))
        fail(name, "writing", status);
}

void DispatchCamera::Move(double fromX, double fromY, double &toX, double &toY)
{
    const DISPID id = member("Move");
    // Automation passes arguments last first.
    VARIANT arguments[4];
    for (VARIANT &argument : arguments)
        VariantInit(&argument);
    arguments[3].vt = VT_R8;
    arguments[3].dblVal = fromX;
    arguments[2].vt = VT_R8;
    arguments[2].dblVal = fromY;
    arguments[1].vt = VT_R8 | VT_BYREF;
    arguments[1].pdblVal = &toX;
    arguments[0].vt = VT_R8 | VT_BYREF;
    arguments[0].pdblVal = &toY;
    DISPPARAMS parameters{arguments, nullptr, 4, 0};
    VARIANT result;
    VariantInit(&result);
    const HRESULT status = m_camera->Invoke(id,
                                            IID_NULL,
                                            LOCALE_USER_DEFAULT,
                                            DISPATCH_METHOD,
                                            &parameters,
                                            &result,
                                            nullptr,
                                            nullptr);
    VariantClear(&result);
    if (FAILED(status))
        fail("Move", "calling", status);
}

} // namespace Quiverstep
