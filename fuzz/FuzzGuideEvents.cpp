// The plug-in over an arbitrary store (every key absent, telling or fuzzed text), an
// arbitrary camera (values, failing members, no camera at all), failing log files and an
// arbitrary sequence of events, test modes, hand edits and member writes. Every event must
// return, release its camera, close its store operation, write only the running state,
// and write only what its readers can read back.
#include "Conversions.h"
#include "EventChecks.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "MemoryTextFiles.h"
#include "PlugInRig.h"
#include "SettingKeys.h"

using namespace Quiverstep;

namespace {

const std::vector<std::string_view> TellingTexts = {
        "",
        "0",
        "1",
        "-1",
        "2",
        "3",
        "True",
        "false",
        "1E308",
        "-1E308",
        "NaN",
        "2147483647",
        "-2147483648",
        "2.5",
        "16",
        "30",
        "\\\\\\",
        "Half-step 2x2\\ 0.00,  0.00\\ 0.50,  0.00\\ 0.50,  0.50\\ 0.00,  0.50\\TOP",
        "A\\1,1\\-1:-1\\BOTTOM",
};

std::vector<std::string> allKeys()
{
    std::vector<std::string> keys(Keys::All.begin(), Keys::All.end());
    for (int n = 2; n <= 6; ++n)
        keys.push_back(Keys::Pattern(n));
    return keys;
}

const std::vector<std::string> CameraMembers = {
        "Autoguider",
        "GuideErrorX",
        "GuideErrorY",
        "AutoguiderMaximumMove",
        "AutoguiderMinimumMove",
        "EnabledXAxis",
        "enabledyaxis",
        "Move",
        "Status",
        "GuideStarX",
        "MoveToY",
        "TelescopeDeclination",
        "BinX",
        "SubframeBottom",
};

CameraValue cameraValue(FuzzInput &in)
{
    switch (in.pick(4)) {
    case 0:
        return {};
    case 1:
        return in.flag();
    case 2:
        return in.text(64);
    default:
        return in.number();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::vector<std::string> keys = allKeys();
    FuzzInput in(data, size);
    PlugInRig::ForgetProcessState();

    WatchedStore store;
    MemoryTextFiles files;
    PlugInRig rig(store, &files);
    rig.cameras.KeepLines(false);

    for (const std::string &key : keys) {
        if (in.flag())
            rig.settings.Save(key, in.textOr(TellingTexts, 2000));
    }
    for (const std::string &member : CameraMembers) {
        switch (in.pick(4)) {
        case 0:
            rig.cameras.SetValue(member, cameraValue(in));
            break;
        case 1:
            rig.cameras.FailMember(member);
            break;
        default:
            break;
        }
    }
    rig.cameras.SetAbsent(in.pick(8) == 0);
    files.failOpen = in.pick(8) == 0;
    files.failWrite = in.pick(8) == 0;
    files.failClose = in.pick(8) == 0;

    DitherPlugIn &p = rig.plugIn;
    for (int events = 0; !in.empty() && events < 64; ++events) {
        store.writes.clear();
        std::int32_t event = 0, camera = 0;
        switch (in.pick(6)) {
        case 0:
            rig.cameras.SetValue("GuideErrorX", in.pick(3) ? CameraValue(in.number()) : 0.0);
            rig.cameras.SetValue("GuideErrorY", in.pick(3) ? CameraValue(in.number()) : 0.0);
            event = 22;
            camera = in.pick(3) ? 1 : in.raw<std::int32_t>();
            break;
        case 1:
            event = 19;
            camera = in.pick(3) ? 0 : in.raw<std::int32_t>();
            break;
        case 2:
            event = in.raw<std::int32_t>();
            camera = in.raw<std::int32_t>();
            break;
        case 3:
            p.Debugging = std::int16_t(in.pick(5) ? in.pick(5) : in.raw<std::int16_t>());
            continue;
        case 4:
            rig.settings.Save(keys[in.pick(keys.size())], in.textOr(TellingTexts, 2000));
            continue;
        default:
            switch (in.pick(5)) {
            case 0:
                p.XOffset = in.number();
                break;
            case 1:
                p.YOffset = in.number();
                break;
            case 2:
                p.nMaxMove = in.number();
                break;
            case 3:
                p.nMinMove = in.number();
                break;
            default:
                p.WantEvent(in.raw<std::int32_t>());
                break;
            }
            continue;
        }

        p.CameraEvent(event, camera, "", 0, 0);

        for (const std::string &problem : EventProblems(rig, store))
            FUZZ_CHECK(false, problem.c_str());
    }
    return 0;
}
