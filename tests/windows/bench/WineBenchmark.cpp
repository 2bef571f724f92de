// What one CameraEvent costs a late-bound host on Windows: Quiverstep.DitherPlugIn created by
// its ProgID and driven through IDispatch::Invoke, against the camera double, on the
// registry store. Beside it its floor: the same registry reads and writes done directly on
// the section's key. Which reads and writes an event makes is traced on the plug-in core
// itself over the same registry. Prints a table of medians of five runs.
#include "BenchmarkStore.h"
#include "DispatchCameraFactory.h"
#include "DitherPlugIn.h"
#include "HeadlessUserInterface.h"
#include "RegistryStore.h"
#include "WideText.h"
#include "Win32Clock.h"
#include "Win32TextFiles.h"
#include "WindowsUserPaths.h"

#include <oaidl.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

using namespace Quiverstep;

namespace {

void require(HRESULT result, const char *what)
{
    if (FAILED(result))
        throw std::runtime_error(std::string(what) + " failed");
}

// Arguments as a late-bound host passes them: by value, of their own types.
VARIANT argument(VARTYPE type, LONG value = 0)
{
    VARIANT v{}; // VT_BSTR with a null BSTR is the empty text
    v.vt = type;
    if (type == VT_I4)
        v.lVal = value;
    else if (type == VT_BOOL)
        v.boolVal = VARIANT_TRUE;
    return v;
}

// An automation object used by member name, as a late-bound host does.
class LateBound
{
public:
    explicit LateBound(const wchar_t *progId)
    {
        CLSID clsid;
        require(CLSIDFromProgID(progId, &clsid), "CLSIDFromProgID");
        require(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                 reinterpret_cast<void **>(&m_object)),
                "CoCreateInstance");
    }
    ~LateBound() { m_object->Release(); }
    LateBound(const LateBound &) = delete;
    LateBound &operator=(const LateBound &) = delete;

    DISPID Id(const wchar_t *name)
    {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        DISPID id = DISPID_UNKNOWN;
        require(m_object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), "GetIDsOfNames");
        return id;
    }
    // The arguments in parameters come last first, as automation passes them.
    void Invoke(DISPID id, WORD flags, DISPPARAMS parameters)
    {
        VARIANT result{};
        require(m_object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                 flags == DISPATCH_METHOD ? &result : nullptr, nullptr, nullptr),
                "Invoke");
        VariantClear(&result);
    }

private:
    IDispatch *m_object = nullptr;
};

constexpr int Runs = 5;
constexpr int EventsPerRun = 400;

// The median over the runs of the cost of one event, in seconds: each event timed on its own,
// what prepares it not.
template<class Prepare, class Event>
double medianCost(Prepare prepare, Event event)
{
    LARGE_INTEGER frequency, from, to;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> runs;
    for (int run = 0; run < Runs; ++run) {
        double total = 0;
        for (int i = 0; i < EventsPerRun; ++i) {
            prepare();
            QueryPerformanceCounter(&from);
            event();
            QueryPerformanceCounter(&to);
            total += double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
        }
        runs.push_back(total / EventsPerRun);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

// The same reads and writes as the plug-in's, done directly on the section's key.
void replay(const std::vector<StoreAccess> &accesses)
{
    static const std::wstring section = RegistryStore::SectionKey(Keys::Application, Keys::Section);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        throw std::runtime_error("cannot open the settings key");
    for (const StoreAccess &access : accesses) {
        const std::wstring name = Widen(access.key);
        if (access.write) {
            const std::wstring text = Widen(access.value);
            RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                           DWORD((text.size() + 1) * sizeof(wchar_t)));
        } else { // its size, then the value, as a store reads a value of any length
            DWORD bytes = 0;
            RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, &bytes);
            std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
            RegQueryValueExW(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE *>(data.data()), &bytes);
        }
    }
    RegCloseKey(key);
}

// One scenario: the plug-in as the host has it after a guide start, and the plug-in core
// over the tracing store, set up alike on the camera double's values, which the process shares.
class Bench
{
public:
    explicit Bench(const BenchmarkScenario &s)
        : m_scenario(s)
    {
        SaveBenchmarkSettings(Settings(m_store), s.ditherType);
        m_camera->Set("AutoguiderMaximumMove", 1000.0);
        m_camera->Set("AutoguiderMinimumMove", 100.0);
        const double errors[][2] = {{0, 0}, {0.3, -0.2}}; // a guide start, then a correction
        for (const auto &[x, y] : errors) {
            m_camera->Set("GuideErrorX", x);
            m_camera->Set("GuideErrorY", y);
            event(22, 1);
            m_core.CameraEvent(22, 1, "", 0, 0);
        }
    }

    double Event()
    {
        return medianCost([this] { prepare(); }, [this] { event(m_which, m_whichCamera); });
    }

    // The registry work of one event, traced on the core after the setting up's correction.
    std::vector<StoreAccess> Trace()
    {
        prepare();
        m_store.accesses.clear();
        m_store.tracing = true;
        m_core.CameraEvent(m_which, m_whichCamera, "", 0, 0);
        m_store.tracing = false;
        return m_store.accesses;
    }

private:
    // Back to the scenario's last step, and a correction since the last dither.
    void prepare()
    {
        PutBackLastStep(m_store, m_scenario);
        if (m_scenario.image) {
            VARIANT guiding = argument(VT_BOOL);
            DISPID named = DISPID_PROPERTYPUT;
            m_plugIn.Invoke(m_guiding, DISPATCH_PROPERTYPUT, {&guiding, &named, 1, 1});
        }
    }

    // CameraEvent(WhichEvent, WhichCamera, "", 0, 0), each argument by value.
    void event(LONG which, LONG camera)
    {
        VARIANT last_first[] = {argument(VT_I4), argument(VT_I4), argument(VT_BSTR),
                                argument(VT_I4, camera), argument(VT_I4, which)};
        m_plugIn.Invoke(m_cameraEvent, DISPATCH_METHOD, {last_first, nullptr, 5, 0});
    }

    const BenchmarkScenario m_scenario;
    const LONG m_which = m_scenario.image ? 19 : 22, m_whichCamera = m_scenario.image ? 0 : 1;
    TracingStore<RegistryStore> m_store;
    LateBound m_plugIn{L"Quiverstep.DitherPlugIn"};
    DISPID m_cameraEvent = m_plugIn.Id(L"CameraEvent");
    DISPID m_guiding = m_plugIn.Id(L"bGuiding");
    DispatchCameraFactory m_cameras;
    const std::unique_ptr<HostCamera> m_camera = m_cameras.Create();
    HeadlessUserInterface m_ui;
    Win32Clock m_clock;
    Win32TextFiles m_files;
    WindowsUserPaths m_paths;
    ProcessState m_process;
    PlugInEnvironment m_environment{m_store, m_cameras, m_ui, m_clock, m_process.random, m_files, m_paths, m_process};
    DitherPlugIn m_core{m_environment};
};

} // namespace

int main()
{
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    try {
        std::printf("| CameraEvent | registry accesses | cost | floor | cost / floor |\n"
                    "|---|---|---|---|---|\n");
        for (const BenchmarkScenario &s : BenchmarkScenarios) {
            if (s.guideStart) // the Linux table's; here every event follows one
                continue;
            Bench bench(s);
            const std::vector<StoreAccess> accesses = bench.Trace();
            const double cost = bench.Event();
            const double floor = accesses.empty() ? 0 : medianCost([] {}, [&] { replay(accesses); });
            char floorText[32] = "no registry work", ratio[16] = "-";
            if (floor > 0) {
                std::snprintf(floorText, sizeof floorText, "%.2f us", floor * 1e6);
                std::snprintf(ratio, sizeof ratio, "%.2f", cost / floor);
            }
            std::printf("| %s | %zu | %.2f us | %s | %s |\n", s.name.c_str(), accesses.size(),
                        cost * 1e6, floorText, ratio);
            std::fflush(stdout);
        }
        std::printf("\nMedians of %d runs of %d events each, under Wine; Wine's registry is not "
                    "Windows'.\n", Runs, EventsPerRun);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "benchmark: %s\n", error.what());
        return 1;
    }
    CoUninitialize();
}
