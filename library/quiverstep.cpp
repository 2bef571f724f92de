// The C entry points of libquiverstep.so. Every one catches everything: no C++ exception
// may unwind into a C host.
#include "quiverstep.h"

#include "CValue.h"
#include "CallbackCameraFactory.h"

#include "Conversions.h"
#include "DitherPlugIn.h"
#include "Errors.h"
#include "HeadlessUserInterface.h"
#include "PlugInMembers.h"
#include "PosixPlatform.h"
#include "SqliteStore.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

using namespace Quiverstep;

namespace {

// The library's one anchor of what its plug-in objects share in the process.
ProcessState &ProcessWide()
{
    static ProcessState state;
    return state;
}

} // namespace

struct QuiverstepPlugIn
{
    explicit QuiverstepPlugIn(const QuiverstepHostCamera *table)
        : store(openStore())
        , cameras(table)
        , ui([this](const std::string &text) { showMessage(text); })
        , environment{*store,
                      cameras,
                      ui,
                      platform.clock,
                      ProcessWide().random,
                      platform.files,
                      platform.paths,
                      ProcessWide()}
        , plugIn(environment)
    {}

    // QUIVERSTEP_STORE names another database, for tests and trials.
    static std::unique_ptr<SettingsStore> openStore()
    {
        const char *path = std::getenv("QUIVERSTEP_STORE");
        if (path && *path)
            return std::make_unique<SqliteStore>(path);
        return SqliteStore::OpenUserStore();
    }

    void showMessage(const std::string &text)
    {
        if (messageHandler)
            messageHandler(messageContext, text.c_str());
    }

    std::unique_ptr<SettingsStore> store;
    CallbackCameraFactory cameras;
    HeadlessUserInterface ui;
    PosixPlatform platform;
    PlugInEnvironment environment;
    DitherPlugIn plugIn;
    void (*messageHandler)(void *, const char *) = nullptr;
    void *messageContext = nullptr;
};

namespace {

thread_local std::string lastError = "no error";

QuiverstepStatus fail(QuiverstepStatus status, const std::string &what)
{
    try {
        lastError = what;
    } catch (...) {
        // Out of memory for the text: the status still tells.
    }
    return status;
}

// Runs body, turning every exception into a status.
template<typename Body>
QuiverstepStatus guarded(Body &&body) noexcept
{
    try {
        return body();
    } catch (const ConversionError &e) {
        return fail(QUIVERSTEP_ERROR_VALUE, e.what());
    } catch (const OverflowError &e) {
        return fail(QUIVERSTEP_ERROR_VALUE, e.what());
    } catch (const std::exception &e) {
        return fail(QUIVERSTEP_ERROR_FAILED, e.what());
    } catch (...) {
        return fail(QUIVERSTEP_ERROR_FAILED, "unknown failure");
    }
}

// The public data members by name, as the interface describes them.
const PlugInMember *dataMember(const char *name)
{
    const PlugInMember *member = FindPlugInMember(name);
    return member && member->dataMember ? member : nullptr;
}

// Runs the action on the named data member, after the checks that reading and writing share.
template<typename Action>
QuiverstepStatus onDataMember(const void *plugin,
                              const char *member,
                              const void *value,
                              Action action)
{
    if (!plugin || !member || !value)
        return fail(QUIVERSTEP_ERROR_ARGUMENT, "a null argument");
    return guarded([&] {
        const PlugInMember *which = dataMember(member);
        if (!which)
            return fail(QUIVERSTEP_ERROR_MEMBER, std::string("no member ") + member);
        action(*which);
        return QUIVERSTEP_OK;
    });
}

} // namespace

extern "C" {

QuiverstepPlugIn *quiverstep_create(const QuiverstepHostCamera *camera)
{
    QuiverstepPlugIn *plugin = nullptr;
    guarded([&] {
        plugin = new QuiverstepPlugIn(camera);
        return QUIVERSTEP_OK;
    });
    return plugin;
}

void quiverstep_release(QuiverstepPlugIn *plugin)
{
    guarded([&] {
        delete plugin;
        return QUIVERSTEP_OK;
    });
}

QuiverstepStatus quiverstep_get(const QuiverstepPlugIn *plugin,
                                const char *member,
                                QuiverstepValue *value)
{
    return onDataMember(plugin, member, value, [&](const PlugInMember &which) {
        const CameraValue read = which.read(plugin->plugIn);
        QuiverstepValue result{QUIVERSTEP_NUMBER, 0, 0, nullptr};
        if (const bool *flag = std::get_if<bool>(&read)) {
            result.type = QUIVERSTEP_BOOLEAN;
            result.boolean = *flag ? 1 : 0;
        } else {
            result.number = std::get<double>(read);
        }
        *value = result;
    });
}

QuiverstepStatus quiverstep_set(QuiverstepPlugIn *plugin,
                                const char *member,
                                const QuiverstepValue *value)
{
    return onDataMember(plugin, member, value, [&](const PlugInMember &which) {
        which.write(plugin->plugIn, ConvertForMember(which.type, FromCValue(*value)));
    });
}

size_t quiverstep_Name(const QuiverstepPlugIn *plugin, char *buffer, size_t size)
{
    size_t length = 0;
    if (!plugin)
        return length;
    guarded([&] {
        const std::string name = plugin->plugIn.Name();
        length = name.size();
        if (buffer && size > 0) {
            const size_t copied = std::min(length, size - 1);
            std::memcpy(buffer, name.data(), copied);
            buffer[copied] = '\0';
        }
        return QUIVERSTEP_OK;
    });
    return length;
}

int32_t quiverstep_WantEvent(QuiverstepPlugIn *plugin, int32_t which_event)
{
    return plugin ? plugin->plugIn.WantEvent(which_event) : 0;
}

int16_t quiverstep_NumberToAverage(const QuiverstepPlugIn *plugin)
{
    return plugin ? plugin->plugIn.NumberToAverage() : 0;
}

void quiverstep_SetNumberToAverage(QuiverstepPlugIn *plugin, int16_t value)
{
    if (plugin)
        plugin->plugIn.SetNumberToAverage(value);
}

void quiverstep_CameraEvent(QuiverstepPlugIn *plugin,
                            int32_t which_event,
                            int32_t which_camera,
                            const char *my_string,
                            int32_t param1,
                            int32_t param2)
{
    if (!plugin)
        return;
    guarded([&] {
        plugin->plugIn.CameraEvent(which_event,
                                   which_camera,
                                   my_string ? my_string : "",
                                   param1,
                                   param2);
        return QUIVERSTEP_OK;
    });
}

void quiverstep_Settings(QuiverstepPlugIn *plugin)
{
    if (!plugin)
        return;
    guarded([&] {
        plugin->plugIn.Settings();
        return QUIVERSTEP_OK;
    });
}

void quiverstep_myDelay(QuiverstepPlugIn *plugin, double duration)
{
    if (!plugin)
        return;
    guarded([&] {
        plugin->plugIn.myDelay(duration);
        return QUIVERSTEP_OK;
    });
}

void quiverstep_set_message_handler(QuiverstepPlugIn *plugin,
                                    void (*handler)(void *context, const char *text),
                                    void *context)
{
    if (!plugin)
        return;
    plugin->messageHandler = handler;
    plugin->messageContext = context;
}

const char *quiverstep_last_error(void)
{
    return lastError.c_str();
}

} // extern "C"
