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

// Deletes a key with everything under it; one that is not there counts as deleted. By hand,
// since RegDeleteTree is missing before Vista.
LONG deleteTree(HKEY parent, const std::wstring &key)
{
    HKEY handle = nullptr;
    LONG status = RegOpenKeyExW(parent, key.c_str(), 0, KEY_READ | KEY_WRITE, &handle);
    if (status == ERROR_FILE_NOT_FOUND)
        return ERROR_SUCCESS;
    if (status != ERROR_SUCCESS)
        return status;
    for (;;) {
        wchar_t name[256];
        DWORD length = 256;
        if (RegEnumKeyExW(handle, 0, name, &length, nullptr, nullptr, nullptr, nullptr)
            != ERROR_SUCCESS)
            break;
        status = deleteTree(handle, name);
        if (status != ERROR_SUCCESS)
            break;
    }
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS)
        return status;
    status = RegDeleteKeyW(parent, key.c_str());
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

// On 64-bit Windows the other bitness's registry view (on 32-bit Windows the flag is
// ignored and it is the one view).
constexpr REGSAM OtherView = sizeof(void *) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

bool existsInOtherView(const std::wstring &key, const wchar_t *value = nullptr)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE | OtherView, &handle)
        != ERROR_SUCCESS)
        return false;
    const bool found = !value
                       || RegQueryValueExW(handle, value, nullptr, nullptr, nullptr, nullptr)
                                  == ERROR_SUCCESS;
    RegCloseKey(handle);
    return found;
}

// Whether the other view sees this very key rather than a copy of its own: the ProgID and
// the type library are shared on 64-bit Windows, but redirected by other registries (Wine).
// Told by a marker value written in this view and looked for in the other.
bool sharedWithOtherView(const std::wstring &key)
{
    static const wchar_t marker[] = L"Quiverstep unregistering";
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    bool shared = false;
    if (RegSetValueExW(handle, marker, 0, REG_SZ, reinterpret_cast<const BYTE *>(L""), sizeof(wchar_t))
        == ERROR_SUCCESS) {
        shared = existsInOtherView(key, marker);
        RegDeleteValueW(handle, marker);
    }
    RegCloseKey(handle);
    return shared;
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
    // This bitness's entry of the type library, and the interface's key that registering the
    // library made.
    UnRegisterTypeLib(LIBID_Quiverstep,
                      1,
                      0,
                      LOCALE_NEUTRAL,
                      sizeof(void *) == 8 ? SYS_WIN64 : SYS_WIN32);
    if (deleteTree(HKEY_CLASSES_ROOT, classKey()) != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    // A key that both bitnesses may share stays while the other one's class is registered:
    // it is that DLL's too, unless the other view keeps a copy of its own. Wine's 32-bit
    // processes read the 64-bit ProgID although the 32-bit view shows none.
    const bool otherRegistered = existsInOtherView(classKey() + L"\\InprocServer32");
    for (const std::wstring &key : {L"TypeLib\\" + guidText(LIBID_Quiverstep),
                                    L"Interface\\" + guidText(IID__DitherPlugIn),
                                    std::wstring(ProgId)}) {
        const bool ownCopy = existsInOtherView(key) && !sharedWithOtherView(key);
        if (otherRegistered && !ownCopy)
            continue;
        if (deleteTree(HKEY_CLASSES_ROOT, key) != ERROR_SUCCESS)
            return SELFREG_E_CLASS;
    }
    return S_OK;
}

} // namespace Quiverstep::Registration
