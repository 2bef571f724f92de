// The script reader of `quiverstep host` on arbitrary text: every script either runs to its
// end or stops at a line it cannot understand, with nothing but that answer escaping it.
#include "Fuzz.h"
#include "HostScript.h"
#include "MemoryStore.h"
#include "MemoryTextFiles.h"
#include "PlugInRig.h"

#include <sstream>

using namespace Quiverstep;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MemoryStore store;
    FixedClock clock;
    MemoryTextFiles files;
    FixedUserPaths paths;
    ProcessState process; // each input in a new process
    std::ostringstream out, err;
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    // An error escaping the reader ends the run as a crash.
    const int status = HostScript(store, clock, files, paths, process, out).Run(in, err);
    FUZZ_CHECK(status == 0 || status == 2, "a script ended with an unknown status");
    FUZZ_CHECK((status == 2) == (err.str().rfind("error: line ", 0) == 0),
               "a bad line without its message, or a message without a bad line");
    return 0;
}
