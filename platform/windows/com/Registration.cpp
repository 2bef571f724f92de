#include "Registration.h"

#include "ComModule.h"
#include "Quiverstep_h.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>

namespace Quiverstep::Registration {

namespace {

std::wstring guidText(const GUID &guid)
{
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring classKey()
{
    return L"CLSID\\" + guidText(CLSID_DitherPlugIn);
}

// Sets the default value (name empty) or a named value of a key under HKEY_CLASSES_ROOT,
// creating the key.
LONG setValue(const std::wstring &key, const wchar_t *name, const std::wstring &value)
{
    HKEY handle = nullptr;
    LONG status = RegCreateKeyExW(HKEY_CLASSES_ROOT,
                                  key.c_str(),
                                  0,
                                  nullptr,
                                  REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE,
                                  nullptr,
                                  &handle,
                                  nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    status = RegSetValueExW(handle,
                            name,
                            0,
                            REG_SZ,
                            reinterpret_cast<const BYTE *>(value.c_str()),
                            DWORD((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return status;
}

LONG deleteTree(const std::wstring &key)
{
    const LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
        return ERROR_SUCCESS;
    // RegDeleteTree leaves the key itself when it has no subkeys on some systems.
    return RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
}

} // namespace

HRESULT Register()
{
    const std::wstring path = ComModule::Path();
    const std::wstring clsid = guidText(CLSID_DitherPlugIn);
    const std::wstring library = guidText(LIBID_Quiverstep);
    const LONG results[] = {
            setValue(classKey(), nullptr, ProgId),
            setValue(classKey() + L"\\InprocServer32", nullptr, path),
            setValue(classKey() + L"\\InprocServer32", L"ThreadingModel", L"Apartment"),
            setValue(classKey() + L"\\ProgID", nullptr, ProgId),
            setValue(classKey() + L"\\VERSION", nullptr, L"1.0"),
            setValue(classKey() + L"\\TypeLib", nullptr, library),
            setValue(classKey() + L"\\Programmable", nullptr, L""),
            setValue(std::wstring(ProgId), nullptr, ProgId),
            setValue(std::wstring(ProgId) + L"\\CLSID", nullptr, clsid),
    };
    for (const LONG status : results) {
        if (status != ERROR_SUCCESS) {
            Unregister();
            return SELFREG_E_CLASS;
        }
    }
    ITypeLib *typeLibrary = nullptr;
    HRESULT result = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &typeLibrary);
    if (SUCCEEDED(result)) {
        result = RegisterTypeLib(typeLibrary, const_cast<wchar_t *>(path.c_str()), nullptr);
        typeLibrary->Release();
    }
    if (FAILED(result)) {
        Unregister();
        return SELFREG_E_TYPELIB;
    }
    return S_OK;
}

HRESULT Unregister()
{
    // The type library registration also made the interface's keys; both go.
    UnRegisterTypeLib(LIBID_Quiverstep,
                      1,
                      0,
                      LOCALE_NEUTRAL,
                      sizeof(void *) == 8 ? SYS_WIN64 : SYS_WIN32);
    const LONG results[] = {
            deleteTree(L"Interface\\" + guidText(IID__DitherPlugIn)),
            deleteTree(L"TypeLib\\" + guidText(LIBID_Quiverstep)),
            deleteTree(std::wstring(ProgId)),
            deleteTree(classKey()),
    };
    for (const LONG status : results)
        if (status != ERROR_SUCCESS)
            return SELFREG_E_CLASS;
    return S_OK;
}

} // namespace Quiverstep::Registration
