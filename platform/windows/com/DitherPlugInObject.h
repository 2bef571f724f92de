#pragma once

#include "Quiverstep_h.h"

#include <memory>

namespace Quiverstep {

class DitherPlugIn;

// The automation object of the class DitherPlugIn: a thin forwarder from the dual interface
// _DitherPlugIn to one plug-in object. IDispatch is served from the type library, which
// gives clients the standard conversions, by-reference arguments and errors.
class DitherPlugInObject : public _DitherPlugIn
{
public:
    static HRESULT Create(REFIID iid, void **object);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **typeInfo) override;
    HRESULT STDMETHODCALLTYPE
    GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID locale, DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id,
                                     REFIID iid,
                                     LCID locale,
                                     WORD flags,
                                     DISPPARAMS *parameters,
                                     VARIANT *result,
                                     EXCEPINFO *exception,
                                     UINT *argumentError) override;

    // _DitherPlugIn, in interface order. The public data members go through the plug-in's
    // one description of them (PlugInMembers).
#define QUIVERSTEP_DATA_MEMBER(Name, ComType) \
    HRESULT STDMETHODCALLTYPE get_##Name(ComType *value) override \
    { \
        return getMember(#Name, value); \
    } \
    HRESULT STDMETHODCALLTYPE put_##Name(ComType value) override \
    { \
        return putMember(#Name, value); \
    }
    QUIVERSTEP_DATA_MEMBER(XOffset, double)
    QUIVERSTEP_DATA_MEMBER(YOffset, double)
    QUIVERSTEP_DATA_MEMBER(bGuiding, VARIANT_BOOL)
    QUIVERSTEP_DATA_MEMBER(nMaxMove, double)
    QUIVERSTEP_DATA_MEMBER(nMinMove, double)
    QUIVERSTEP_DATA_MEMBER(Debugging, short)
#undef QUIVERSTEP_DATA_MEMBER
    HRESULT STDMETHODCALLTYPE get_Name(BSTR *value) override;
    HRESULT STDMETHODCALLTYPE get_WantEvent(LONG *WhichEvent, LONG *value) override;
    HRESULT STDMETHODCALLTYPE get_NumberToAverage(short *value) override;
    HRESULT STDMETHODCALLTYPE put_NumberToAverage(short *value) override;
    HRESULT STDMETHODCALLTYPE CameraEvent(LONG *WhichEvent,
                                          LONG *WhichCamera,
                                          BSTR *MyString,
                                          LONG *Param1,
                                          LONG *Param2) override;
    HRESULT STDMETHODCALLTYPE Settings() override;
    HRESULT STDMETHODCALLTYPE myDelay(VARIANT *duration) override;

private:
    DitherPlugInObject();
    virtual ~DitherPlugInObject();

    // A data member's value in its automation type: double, or short (VARIANT_BOOL too).
    template<typename ComType>
    HRESULT getMember(const char *name, ComType *value);
    template<typename ComType>
    HRESULT putMember(const char *name, ComType value);

    LONG m_references = 1;
    std::unique_ptr<DitherPlugIn> m_plugIn;
};

} // namespace Quiverstep
