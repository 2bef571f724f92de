#include "DitherPlugInObject.h"

#include "ComModule.h"
#include "WideText.h"
#include "WindowsEnvironment.h"

#include "DitherPlugIn.h"
#include "PlugInMembers.h"

#include <new>

namespace Quiverstep {

namespace {

// The interface's description from the type library inside this DLL, loaded once.
ITypeInfo *typeInfo()
{
    static ITypeInfo *info = [] {
        ITypeLib *library = nullptr;
        ITypeInfo *found = nullptr;
        if (SUCCEEDED(LoadTypeLibEx(ComModule::Path().c_str(), REGKIND_NONE, &library))) {
            library->GetTypeInfoOfGuid(IID__DitherPlugIn, &found);
            library->Release();
        }
        return found;
    }();
    return info;
}

// Runs a member; a C++ exception never crosses the interface.
template<typename Action>
HRESULT guarded(Action &&action) noexcept
{
    try {
        return action();
    } catch (const std::bad_alloc &) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

} // namespace

HRESULT DitherPlugInObject::Create(REFIID iid, void **object)
{
    return guarded([&] {
        DitherPlugInObject *created = new DitherPlugInObject;
        const HRESULT result = created->QueryInterface(iid, object);
        created->Release();
        return result;
    });
}

DitherPlugInObject::DitherPlugInObject()
    : m_plugIn(std::make_unique<DitherPlugIn>(WindowsEnvironment()))
{
    ComModule::Lock(true);
}

DitherPlugInObject::~DitherPlugInObject()
{
    ComModule::Lock(false);
}

HRESULT DitherPlugInObject::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)
        || IsEqualIID(iid, IID__DitherPlugIn)) {
        *object = static_cast<_DitherPlugIn *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DitherPlugInObject::AddRef()
{
    return ULONG(InterlockedIncrement(&m_references));
}

ULONG DitherPlugInObject::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return ULONG(left);
}

HRESULT DitherPlugInObject::GetTypeInfoCount(UINT *count)
{
    if (!count)
        return E_POINTER;
    *count = typeInfo() ? 1 : 0;
    return S_OK;
}

HRESULT DitherPlugInObject::GetTypeInfo(UINT index, LCID, ITypeInfo **info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    if (!typeInfo())
        return TYPE_E_CANTLOADLIBRARY;
    typeInfo()->AddRef();
    *info = typeInfo();
    return S_OK;
}

HRESULT DitherPlugInObject::GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID, DISPID *ids)
{
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (!typeInfo())
        return TYPE_E_CANTLOADLIBRARY;
    return DispGetIDsOfNames(typeInfo(), names, count, ids);
}

HRESULT DitherPlugInObject::Invoke(DISPID id,
                                   REFIID iid,
                                   LCID,
                                   WORD flags,
                                   DISPPARAMS *parameters,
                                   VARIANT *result,
                                   EXCEPINFO *exception,
                                   UINT *argumentError)
{
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (!typeInfo())
        return TYPE_E_CANTLOADLIBRARY;
    return DispInvoke(static_cast<_DitherPlugIn *>(this),
                      typeInfo(),
                      id,
                      flags,
                      parameters,
                      result,
                      exception,
                      argumentError);
}

template<typename ComType>
HRESULT DitherPlugInObject::getMember(const char *name, ComType *value)
{
    if (!value)
        return E_POINTER;
    return guarded([&] {
        const PlugInMember &member = *FindPlugInMember(name);
        const CameraValue read = member.read(*m_plugIn);
        // A Boolean is a VARIANT_BOOL, itself a short.
        if (member.type == MemberType::Boolean)
            *value = ComType(std::get<bool>(read) ? VARIANT_TRUE : VARIANT_FALSE);
        else
            *value = ComType(std::get<double>(read));
        return S_OK;
    });
}

template<typename ComType>
HRESULT DitherPlugInObject::putMember(const char *name, ComType value)
{
    return guarded([&] {
        const PlugInMember &member = *FindPlugInMember(name);
        if (member.type == MemberType::Boolean)
            member.write(*m_plugIn, CameraValue(value != VARIANT_FALSE));
        else
            member.write(*m_plugIn, CameraValue(double(value)));
        return S_OK;
    });
}

template HRESULT DitherPlugInObject::getMember(const char *, double *);
template HRESULT DitherPlugInObject::getMember(const char *, short *);
template HRESULT DitherPlugInObject::putMember(const char *, double);
template HRESULT DitherPlugInObject::putMember(const char *, short);

HRESULT DitherPlugInObject::get_Name(BSTR *value)
{
    if (!value)
        return E_POINTER;
    return guarded([&] {
        const std::wstring name = Widen(m_plugIn->Name());
        *value = SysAllocStringLen(name.data(), UINT(name.size()));
        return *value ? S_OK : E_OUTOFMEMORY;
    });
}

HRESULT DitherPlugInObject::get_WantEvent(LONG *WhichEvent, LONG *value)
{
    if (!WhichEvent || !value)
        return E_POINTER;
    *value = m_plugIn->WantEvent(*WhichEvent);
    return S_OK;
}

HRESULT DitherPlugInObject::get_NumberToAverage(short *value)
{
    if (!value)
        return E_POINTER;
    *value = m_plugIn->NumberToAverage();
    return S_OK;
}

HRESULT DitherPlugInObject::put_NumberToAverage(short *value)
{
    if (!value)
        return E_POINTER;
    m_plugIn->SetNumberToAverage(*value);
    return S_OK;
}

HRESULT DitherPlugInObject::CameraEvent(
        LONG *WhichEvent, LONG *WhichCamera, BSTR *MyString, LONG *Param1, LONG *Param2)
{
    // Nothing ever reaches the host from here, not even a missing argument.
    try {
        const std::int32_t event = WhichEvent ? *WhichEvent : 0;
        const std::int32_t camera = WhichCamera ? *WhichCamera : 0;
        const std::string text = MyString && *MyString ? Narrow(
                                         std::wstring_view(*MyString, SysStringLen(*MyString)))
                                                       : std::string();
        const std::int32_t first = Param1 ? *Param1 : 0;
        const std::int32_t second = Param2 ? *Param2 : 0;
        m_plugIn->CameraEvent(event, camera, text, first, second);
    } catch (...) {
    }
    return S_OK;
}

HRESULT DitherPlugInObject::Settings()
{
    return guarded([&] {
        m_plugIn->Settings();
        return S_OK;
    });
}

HRESULT DitherPlugInObject::myDelay(VARIANT *duration)
{
    if (!duration)
        return E_POINTER;
    const VARIANT *given = duration;
    while (given->vt == (VT_VARIANT | VT_BYREF) && given->pvarVal)
        given = given->pvarVal;
    // Only a value over 100 waits, and Null is not greater than 100.
    if (given->vt == VT_NULL)
        return S_OK;
    VARIANT milliseconds;
    VariantInit(&milliseconds);
    if (FAILED(VariantChangeTypeEx(&milliseconds, duration, LOCALE_INVARIANT, 0, VT_R8)))
        return DISP_E_TYPEMISMATCH;
    return guarded([&] {
        m_plugIn->myDelay(milliseconds.dblVal);
        return S_OK;
    });
}

} // namespace Quiverstep
