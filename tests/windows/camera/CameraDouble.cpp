// A stand-in for the host's camera component, registered as "CCDSoft.Camera" in a test's
// Wine prefix. It accepts any member name, keeps the values written to it for the whole
// process (so a script's presets reach the plug-in's own camera objects), and appends one
// line per access to the file named by QUIVERSTEP_CAMERA_RECORD:
//   create | release | create refused | get NAME -> VALUE | put NAME = VALUE |
//   call Move(FROMX, FROMY, TOX, TOY) | fail NAME | mark TEXT
// An argument passed by reference is written with "&" before it.
// Members whose names start with "Double" steer the double and are not recorded as such:
//   DoubleCreateFails = True   every later creation fails
//   DoubleFail = "NAME"        every later access of NAME fails ("" for none)
//   DoubleMark = "TEXT"        writes "mark TEXT", so that a script finds what came after

#include <oaidl.h>
#include <olectl.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// {EB5C7297-BF90-47CF-8863-075A5B2943E8}
const CLSID CLSID_CameraDouble = {0xeb5c7297,
                                  0xbf90,
                                  0x47cf,
                                  {0x88, 0x63, 0x07, 0x5a, 0x5b, 0x29, 0x43, 0xe8}};
constexpr wchar_t ProgId[] = L"CCDSoft.Camera";

HINSTANCE s_module = nullptr;
LONG s_objects = 0;

std::wstring folded(const std::wstring &name)
{
    std::wstring lower = name;
    CharLowerBuffW(lower.data(), DWORD(lower.size()));
    return lower;
}

// What every camera object of the process shares.
struct Shared
{
    std::map<std::wstring, DISPID> ids; // folded name -> id
    std::vector<std::wstring> names;    // id - 1 -> name as first spelt
    std::map<DISPID, VARIANT> values;
    bool createFails = false;
    std::wstring failing; // folded
};

Shared &shared()
{
    static Shared state;
    return state;
}

void record(const std::wstring &line)
{
    wchar_t path[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"QUIVERSTEP_CAMERA_RECORD", path, MAX_PATH))
        return;
    const HANDLE file = CreateFileW(path,
                                    FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr,
                                    OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const std::wstring text = line + L"\r\n";
    const int length = WideCharToMultiByte(CP_UTF8,
                                           0,
                                           text.c_str(),
                                           int(text.size()),
                                           nullptr,
                                           0,
                                           nullptr,
                                           nullptr);
    std::string bytes(std::size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8,
                        0,
                        text.c_str(),
                        int(text.size()),
                        bytes.data(),
                        length,
                        nullptr,
                        nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring number(double value)
{
    wchar_t text[64];
    std::swprintf(text, 64, L"%.15g", value);
    return text;
}

std::wstring show(const VARIANT &value)
{
    VARIANT plain;
    VariantInit(&plain);
    VariantCopyInd(&plain, const_cast<VARIANT *>(&value));
    std::wstring text;
    switch (plain.vt) {
    case VT_EMPTY:
        text = L"Empty";
        break;
    case VT_BOOL:
        text = plain.boolVal ? L"True" : L"False";
        break;
    case VT_BSTR:
        text = plain.bstrVal ? plain.bstrVal : L"";
        break;
    default: {
        VARIANT real;
        VariantInit(&real);
        text = SUCCEEDED(VariantChangeTypeEx(&real, &plain, LOCALE_INVARIANT, 0, VT_R8))
                       ? number(real.dblVal)
                       : L"?";
    }
    }
    VariantClear(&plain);
    return text;
}

class Camera final : public IDispatch
{
public:
    Camera()
    {
        InterlockedIncrement(&s_objects);
        record(L"create");
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            *object = static_cast<IDispatch *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0) {
            record(L"release");
            InterlockedDecrement(&s_objects);
            delete this;
        }
        return ULONG(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE
    GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids) override
    {
        Shared &state = shared();
        for (UINT i = 0; i < count; ++i) {
            const std::wstring key = folded(names[i]);
            auto found = state.ids.find(key);
            if (found == state.ids.end()) {
                state.names.push_back(names[i]);
                found = state.ids.emplace(key, DISPID(state.names.size())).first;
            }
            ids[i] = found->second;
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id,
                                     REFIID,
                                     LCID,
                                     WORD flags,
                                     DISPPARAMS *parameters,
                                     VARIANT *result,
                                     EXCEPINFO *,
                                     UINT *) override
    {
        Shared &state = shared();
        if (id < 1 || std::size_t(id) > state.names.size())
            return DISP_E_MEMBERNOTFOUND;
        const std::wstring name = state.names[std::size_t(id - 1)];
        const std::wstring key = folded(name);
        const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);

        if (key.rfind(L"double", 0) == 0) {
            if (!put || parameters->cArgs < 1)
                return DISP_E_BADPARAMCOUNT;
            const std::wstring value = show(parameters->rgvarg[0]);
            if (key == L"doublecreatefails")
                state.createFails = value == L"True";
            else if (key == L"doublefail")
                state.failing = folded(value);
            else if (key == L"doublemark")
                record(L"mark " + value);
            return S_OK;
        }
        if (!state.failing.empty() && key == state.failing) {
            record(L"fail " + name);
            return E_FAIL;
        }
        if (key == L"move" && !put) {
            if (!(flags & DISPATCH_METHOD))
                return DISP_E_MEMBERNOTFOUND; // a method, not a property
            if (parameters->cArgs != 4)
                return DISP_E_BADPARAMCOUNT;
            // Arguments come last first.
            auto argument = [&](UINT i) {
                const VARIANT &value = parameters->rgvarg[i];
                return ((value.vt & VT_BYREF) ? L"&" : L"") + show(value);
            };
            record(L"call " + name + L"(" + argument(3) + L", " + argument(2) + L", " + argument(1)
                   + L", " + argument(0) + L")");
            if (result)
                VariantInit(result);
            return S_OK;
        }
        if (put) {
            if (parameters->cArgs != 1)
                return DISP_E_BADPARAMCOUNT;
            VARIANT &stored = state.values[id];
            VariantClear(&stored);
            VariantCopyInd(&stored, &parameters->rgvarg[0]);
            record(L"put " + name + L" = " + show(stored));
            return S_OK;
        }
        VARIANT value;
        VariantInit(&value);
        const auto found = state.values.find(id);
        if (found != state.values.end()) {
            VariantCopy(&value, &found->second);
        } else {
            value.vt = VT_I4; // unset members read 0
            value.lVal = 0;
        }
        record(L"get " + name + L" -> " + show(value));
        if (result)
            *result = value;
        else
            VariantClear(&value);
        return S_OK;
    }

private:
    LONG m_references = 1;
};

class Factory : public IClassFactory
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory *>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID iid, void **object) override
    {
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        if (shared().createFails) {
            record(L"create refused");
            return E_FAIL;
        }
        Camera *camera = new Camera;
        const HRESULT result = camera->QueryInterface(iid, object);
        camera->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory s_factory;

std::wstring classKey()
{
    wchar_t clsid[40] = {};
    StringFromGUID2(CLSID_CameraDouble, clsid, 40);
    return std::wstring(L"CLSID\\") + clsid;
}

bool setValue(const std::wstring &key, const wchar_t *name, const std::wstring &value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT,
                        key.c_str(),
                        0,
                        nullptr,
                        0,
                        KEY_SET_VALUE,
                        nullptr,
                        &handle,
                        nullptr)
        != ERROR_SUCCESS)
        return false;
    const bool done = RegSetValueExW(handle,
                                     name,
                                     0,
                                     REG_SZ,
                                     reinterpret_cast<const BYTE *>(value.c_str()),
                                     DWORD((value.size() + 1) * sizeof(wchar_t)))
                      == ERROR_SUCCESS;
    RegCloseKey(handle);
    return done;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        s_module = instance;
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID *object)
{
    if (!IsEqualCLSID(clsid, CLSID_CameraDouble))
        return CLASS_E_CLASSNOTAVAILABLE;
    return s_factory.QueryInterface(iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return s_objects == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(s_module, path, MAX_PATH);
    wchar_t clsid[40] = {};
    StringFromGUID2(CLSID_CameraDouble, clsid, 40);
    const bool done = setValue(classKey() + L"\\InprocServer32", nullptr, path)
                      && setValue(classKey() + L"\\InprocServer32", L"ThreadingModel", L"Apartment")
                      && setValue(classKey() + L"\\ProgID", nullptr, ProgId)
                      && setValue(std::wstring(ProgId) + L"\\CLSID", nullptr, clsid);
    return done ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, classKey().c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, ProgId);
    return S_OK;
}
