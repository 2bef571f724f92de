// The plug-in over an arbitrary store (every key absent, telling or fuzzed text), an
// arbitrary camera (values, failing members, no camera at all), failing log files and an
// arbitrary sequence of events, test modes, hand edits and member writes. Every event must
// return, release its camera, close its store operation, write only the running state,
// and write only what its readers can read back.
#include "EventChecks.h"
#include "Fuzz.h"
#include "MemoryTextFiles.h"
#include "PlugInRig.h"
#include "SettingKeys.h"

using namespace Quiverstep;

namespace {

const std::vector<std::string_view> TellingTexts = Choices(
        "|0|1|-1|2|3|True|false|1E308|-1E308|NaN|2147483647|-2147483648|2.5|16|30|\\\\\\|"
        "Half-step 2x2\\ 0.00,  0.00\\ 0.50,  0.00\\ 0.50,  0.50\\ 0.00,  0.50\\TOP|"
        "A\\1,1\\-1:-1\\BOTTOM");

const std::vector<std::string_view> CameraMembers = Choices(
        "Autoguider|GuideErrorX|GuideErrorY|AutoguiderMaximumMove|AutoguiderMinimumMove|"
        "EnabledXAxis|enabledyaxis|Move|Status|GuideStarX|MoveToY|TelescopeDeclination|BinX|"
        "SubframeBottom");

// The real members that the input may write between events.
double DitherPlugIn::*const RealMembers[] = {&DitherPlugIn::XOffset,
                                             &DitherPlugIn::YOffset,
                                             &DitherPlugIn::nMaxMove,
                                             &DitherPlugIn::nMinMove};

std::vector<std::string> allKeys()
{
    std::vector<std::string> keys(Keys::All.begin(), Keys::All.end());
    for (int n = 2; n <= 6; ++n)
        keys.push_back(Keys::Pattern(n));
    return keys;
}

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

    WatchedStore store;
    MemoryTextFiles files;
    PlugInRig rig(store, &files);
    rig.cameras.KeepLines(false);

    for (const std::string &key : keys) {
        if (in.flag())
            rig.settings.Save(key, in.textOr(TellingTexts, 2000));
    }
    for (std::string_view member : CameraMembers) {
        if (const std::size_t what = in.pick(4); what == 0)
            rig.cameras.SetValue(std::string(member), cameraValue(in));
        else if (what == 1)
            rig.cameras.FailMember(std::string(member));
    }
    rig.cameras.SetAbsent(in.pick(8) == 0);
    files.failOpen = in.pick(8) == 0;
    files.failWrite = in.pick(8) == 0;
    files.failClose = in.pick(8) == 0;

    DitherPlugIn &p = rig.plugIn;
    for (int events = 0; !in.empty() && events < 64; ++events) {
        store.writes.clear();
        const std::size_t action = in.pick(6);
        if (action == 0) {
            rig.cameras.SetValue("GuideErrorX", in.pick(3) ? CameraValue(in.number()) : 0.0);
            rig.cameras.SetValue("GuideErrorY", in.pick(3) ? CameraValue(in.number()) : 0.0);
            p.CameraEvent(22, in.pick(3) ? 1 : in.raw<std::int32_t>(), "", 0, 0);
        } else if (action == 1) {
            p.CameraEvent(19, in.pick(3) ? 0 : in.raw<std::int32_t>(), "", 0, 0);
        } else if (action == 2) {
            const auto event = in.raw<std::int32_t>();
            p.CameraEvent(event, in.raw<std::int32_t>(), "", 0, 0);
        } else {
            if (action == 3) {
                p.Debugging = std::int16_t(in.pick(5) ? in.pick(5) : in.raw<std::int16_t>());
            } else if (action == 4) {
                // The order of the two reads is the compiler's: kept as the seeds were made.
                rig.settings.Save(keys[in.pick(keys.size())], in.textOr(TellingTexts, 2000));
            } else if (const std::size_t member = in.pick(5); member < std::size(RealMembers)) {
                p.*RealMembers[member] = in.number();
            } else {
                p.WantEvent(in.raw<std::int32_t>());
            }
            continue;
        }
        for (const std::string &problem : EventProblems(rig, store))
            FUZZ_CHECK(false, problem.c_str());
    }
    return 0;
}
