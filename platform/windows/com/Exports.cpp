// The four entry points of an in-process automation server, as the .def exports them.

#include "ClassFactory.h"
#include "ComModule.h"
#include "Quiverstep_h.h"
#include "Registration.h"

#include "win32/Win32WindowView.h"

#include <olectl.h>

namespace {
Quiverstep::ClassFactory s_factory;
} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        // Unloaded while the process goes on: a later load registers its classes afresh.
        Quiverstep::Win32WindowView::UnregisterClasses();
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID *object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_DitherPlugIn))
        return CLASS_E_CLASSNOTAVAILABLE;
    return s_factory.QueryInterface(iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return Quiverstep::ComModule::CanUnload() ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    return Quiverstep::Registration::Register();
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    return Quiverstep::Registration::Unregister();
}
