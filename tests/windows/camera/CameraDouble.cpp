// A stand-in for the host's camera component, registered as "CCDSoft.Camera" in a test's
// Wine prefix. It accepts any member name, keeps the values written to it for the whole
// process (so a script's presets reach the plug-in's own camera objects), and appends one
// line per access to the file named by QUIVERSTEP_CAMERA_RECORD:
//   create | release | create refused | get NAME -> VALUE | put NAME = VALUE |
//   call NAME(ARGUMENTS) | fail NAME | mark TEXT
// An argument passed by reference is written with "&" before it; members never written read 0.
// Members whose names start with "Double" steer the double and are not recorded as such:
//   DoubleCreateFails = True   every later creation fails
//   DoubleFail = "NAME"        every later access of NAME fails ("" for none)
//   DoubleMark = "TEXT"        writes "mark TEXT", so that a script finds what came after
//   DoubleClose = "CAPTION"    for the next 10 s, closes each window of the process that is
//                              shown, writing "window CAPTION" for each, until one has this
//                              caption; a blocking call that opens it then returns

#include <oaidl.h>
#include <olectl.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

extern "C" IMAGE_DOS_HEADER __ImageBase; // this DLL's module handle

namespace {

const std::wstring ClassId = L"{EB5C7297-BF90-47CF-8863-075A5B2943E8}";

// What every camera object of the process shares.
std::map<std::wstring, DISPID> s_ids; // folded name -> id
std::vector<std::wstring> s_names;    // id - 1 -> name as first spelt
std::map<DISPID, VARIANT> s_values;
bool s_createFails = false;
std::wstring s_failing; // folded

std::wstring folded(std::wstring name)
{
    CharLowerBuffW(name.data(), DWORD(name.size()));
    return name;
}

void record(const std::wstring &line)
{
    const wchar_t *path = _wgetenv(L"QUIVERSTEP_CAMERA_RECORD");
    if (std::FILE *file = path ? _wfopen(path, L"ab") : nullptr) {
        std::fprintf(file, "%ls\r\n", line.c_str());
        std::fclose(file);
    }
}

// As a script would print it, whatever the user's regional settings.
std::wstring show(VARIANT value)
{
    VARIANT text{};
    if (FAILED(VariantChangeTypeEx(&text, &value, LOCALE_INVARIANT, VARIANT_ALPHABOOL, VT_BSTR)))
        return L"?";
    const std::wstring shown(text.bstrVal, SysStringLen(text.bstrVal));
    VariantClear(&text);
    return shown;
}

DWORD WINAPI closeUntil(void *caption)
{
    const std::unique_ptr<std::wstring> owned(static_cast<std::wstring *>(caption));
    const std::wstring &awaited = *owned;
    std::map<HWND, int> seen; // when each window was first seen, -1 once closed
    for (int tick = 0; tick < 200; ++tick, Sleep(50)) {
        // The top-level windows, in order, of which those of this process that are shown.
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process != GetCurrentProcessId() || !IsWindowVisible(window))
                continue;
            int &first = seen.emplace(window, tick).first->second;
            wchar_t text[256] = {};
            // A window just shown may not answer with its caption yet: asked again for a second.
            if (first < 0 || (GetWindowTextW(window, text, 256) == 0 && tick - first < 20))
                continue;
            record(std::wstring(L"window ") + text);
            first = -1;
            PostMessageW(window, WM_CLOSE, 0, 0);
            if (text == awaited)
                return 0;
        }
    }
    record(L"window " + awaited + L" never shown");
    return 0;
}

// The object as the interface own, or as IUnknown.
HRESULT query(IUnknown *object, REFIID iid, REFIID own, void **result)
{
    *result = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, own) ? object : nullptr;
    if (!*result)
        return E_NOINTERFACE;
    object->AddRef();
    return S_OK;
}

class Camera final : public IDispatch
{
public:
    Camera() { record(L"create"); }

    STDMETHODIMP QueryInterface(REFIID iid, void **result) override
    {
        return query(this, iid, IID_IDispatch, result);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(InterlockedIncrement(&m_references)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0) {
            record(L"release");
            delete this;
        }
        return ULONG(left);
    }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override { *count = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }

    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids) override
    {
        for (UINT i = 0; i < count; ++i) {
            const auto [found, added] = s_ids.try_emplace(folded(names[i]), s_names.size() + 1);
            if (added)
                s_names.push_back(names[i]);
            ids[i] = found->second;
        }
        return S_OK;
    }

    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS *in, VARIANT *out,
                        EXCEPINFO *, UINT *) override
    {
        if (id < 1 || std::size_t(id) > s_names.size())
            return DISP_E_MEMBERNOTFOUND;
        const std::wstring &name = s_names[std::size_t(id - 1)];
        const std::wstring key = folded(name);
        const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
        if (put ? in->cArgs != 1 : in->cArgs > 0 && !(flags & DISPATCH_METHOD))
            return DISP_E_BADPARAMCOUNT;
        if (out)
            VariantInit(out);
        if (key.rfind(L"double", 0) == 0 && put) {
            const std::wstring value = show(in->rgvarg[0]);
            if (key == L"doublecreatefails")
                s_createFails = value == L"True";
            else if (key == L"doublefail")
                s_failing = folded(value);
            else if (key == L"doublemark")
                record(L"mark " + value);
            else if (key == L"doubleclose")
                CloseHandle(CreateThread({}, 0, closeUntil, new std::wstring(value), 0, {}));
            return S_OK;
        }
        if (key == s_failing) {
            record(L"fail " + name);
            return E_FAIL;
        }
        VARIANT &stored = s_values[id];
        if (stored.vt == VT_EMPTY)
            stored.vt = VT_I4; // 0
        if (put) {
            VariantClear(&stored);
            VariantCopyInd(&stored, &in->rgvarg[0]);
            record(L"put " + name + L" = " + show(stored));
        } else if (in->cArgs > 0) {
            std::wstring call = L"call " + name + L"(";
            for (UINT i = in->cArgs; i-- > 0;) // the arguments come last first
                call += ((in->rgvarg[i].vt & VT_BYREF) ? L"&" : L"") + show(in->rgvarg[i])
                        + (i > 0 ? L", " : L")");
            record(call);
        } else {
            record(L"get " + name + L" -> " + show(stored));
            if (out)
                VariantCopy(out, &stored);
        }
        return S_OK;
    }

private:
    LONG m_references = 1;
};

class Factory : public IClassFactory
{
public:
    STDMETHODIMP QueryInterface(REFIID iid, void **result) override
    {
        return query(this, iid, IID_IClassFactory, result);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown *, REFIID iid, void **result) override
    {
        *result = nullptr;
        if (s_createFails) {
            record(L"create refused");
            return E_FAIL;
        }
        Camera *camera = new Camera;
        const HRESULT status = camera->QueryInterface(iid, result);
        camera->Release();
        return status;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
} s_factory;

} // namespace

STDAPI DllGetClassObject(REFCLSID, REFIID iid, LPVOID *result)
{
    return s_factory.QueryInterface(iid, result); // COM asks only for the class registered here
}

STDAPI DllCanUnloadNow()
{
    return S_FALSE; // never: the values must last as long as the process
}

STDAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(HINSTANCE(&__ImageBase), path, MAX_PATH);
    const std::wstring server = L"CLSID\\" + ClassId + L"\\InprocServer32";
    const std::wstring values[][3] = {{server, L"", path},
                                      {server, L"ThreadingModel", L"Apartment"},
                                      {L"CCDSoft.Camera\\CLSID", L"", ClassId}};
    for (const auto &[key, name, text] : values) {
        const DWORD size = DWORD((text.size() + 1) * sizeof(wchar_t));
        if (RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name.c_str(), REG_SZ, &text[0], size))
            return SELFREG_E_CLASS;
    }
    return S_OK;
}
