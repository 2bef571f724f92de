#pragma once

#include <unknwn.h>

namespace Quiverstep {

// The class factory of DitherPlugIn; one static instance that lives with the DLL.
class ClassFactory : public IClassFactory
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID iid, void **object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

} // namespace Quiverstep
