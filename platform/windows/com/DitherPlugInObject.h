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

    // _DitherPlugIn, in interface order
    HRESULT STDMETHODCALLTYPE get_XOffset(double *value) override;
    HRESULT STDMETHODCALLTYPE put_XOffset(double value) override;
    HRESULT STDMETHODCALLTYPE get_YOffset(double *value) override;
    HRESULT STDMETHODCALLTYPE put_YOffset(double value) override;
    HRESULT STDMETHODCALLTYPE get_bGuiding(VARIANT_BOOL *value) override;
    HRESULT STDMETHODCALLTYPE put_bGuiding(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_nMaxMove(double *value) override;
    HRESULT STDMETHODCALLTYPE put_nMaxMove(double value) override;
    HRESULT STDMETHODCALLTYPE get_nMinMove(double *value) override;
    HRESULT STDMETHODCALLTYPE put_nMinMove(double value) override;
    HRESULT STDMETHODCALLTYPE get_Debugging(short *value) override;
    HRESULT STDMETHODCALLTYPE put_Debugging(short value) override;
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

    LONG m_references = 1;
    std::unique_ptr<DitherPlugIn> m_plugIn;
};

} // namespace Quiverstep
