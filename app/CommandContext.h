#pragma once

#include "CommandPlatform.h"
#include "ProcessState.h"
#include "SettingsStore.h"

#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>

namespace Quiverstep {

// Bad input on the command line: exit status 2.
class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Why a build without Qt refuses the gui command and --plot.
inline constexpr const char *NoWindows = "this build has no windows (it was built without Qt)";

// What every subcommand gets: its streams, the platform and the store, opened when first
// needed.
class CommandContext
{
public:
    CommandContext(std::istream &in, std::ostream &out, std::ostream &err)
        : in(in)
        , out(out)
        , err(err)
    {}

    SettingsStore &store();

    std::istream &in;
    std::ostream &out;
    std::ostream &err;
    CommandPlatform &platform = SystemPlatform();
    int status = 0;        // a command that completes with a status other than 0 sets it
    std::string storePath; // --store FILE; empty for the per-user store
    ProcessState process;  // what the plug-in keeps in this process

private:
    std::unique_ptr<SettingsStore> m_store;
};

} // namespace Quiverstep
