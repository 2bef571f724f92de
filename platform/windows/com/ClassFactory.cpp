#include "ClassFactory.h"

#include "ComModule.h"
#include "DitherPlugInObject.h"

namespace Quiverstep {

HRESULT ClassFactory::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// A reference to the factory keeps the DLL as a lock does.
ULONG ClassFactory::AddRef()
{
    ComModule::Lock(true);
    return 2;
}

ULONG ClassFactory::Release()
{
    ComModule::Lock(false);
    return 1;
}

HRESULT ClassFactory::CreateInstance(IUnknown *outer, REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    return DitherPlugInObject::Create(iid, object);
}

HRESULT ClassFactory::LockServer(BOOL lock)
{
    ComModule::Lock(lock != FALSE);
    return S_OK;
}

} // namespace Quiverstep
