#pragma once

#include "DitherPlugIn.h"
#include "HeadlessUserInterface.h"
#include "RecordingCamera.h"

#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>

namespace Quiverstep {

// A script line that cannot be understood.
class ScriptError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One plug-in object in a substitute host whose camera records every access. Reads commands
// one a line ("want 19", "event 22 1", "camera GuideErrorX=0.5", "store set Log = 1", ...)
// and prints what each caused.
class HostScript
{
public:
    HostScript(SettingsStore &store,
               Clock &clock,
               TextFileSystem &files,
               UserPaths &paths,
               ProcessState &process,
               std::ostream &out);

    // Runs one line; throws ScriptError for a line it cannot understand.
    void RunLine(const std::string &line);

    // Runs every line; on a bad line writes "error: line N: reason" to err and returns 2.
    int Run(std::istream &in, std::ostream &err);

private:
    void set(const std::string &member, const std::string &value);
    void get(const std::string &member);
    void camera(const std::string &rest);
    void storeCommand(const std::string &rest);

    SettingsStore &m_store;
    std::ostream &m_out;
    RecordingCameraFactory m_cameras;
    HeadlessUserInterface m_ui;
    PlugInEnvironment m_environment;
    std::unique_ptr<DitherPlugIn> m_plugIn;
};

} // namespace Quiverstep
