#include "DitherWalk.h"

#include "EventNumbers.h"
#include "SettingKeys.h"

#include <utility>

namespace Quiverstep {

DitherWalk::DitherWalk(SettingsStore &store,
                       RandomSource &random,
                       Clock &clock,
                       TextFileSystem &files,
                       UserPaths &paths,
                       Printer messages)
    : m_ui(std::move(messages))
    , m_environment{store, m_cameras, m_ui, clock, random, files, paths, m_process}
    , m_plugIn(m_environment)
{}

PixelPoint DitherWalk::Start()
{
    m_plugIn.Debugging = TestModes::GuideStart;
    m_plugIn.CameraEvent(Events::GuideFrame, Events::Autoguider, "", 0, 0);
    return target();
}

PixelPoint DitherWalk::Next()
{
    m_plugIn.Debugging = TestModes::Dither;
    m_plugIn.CameraEvent(Events::ExposureEnd, Events::ImagingCamera, "", 0, 0);
    return target();
}

std::vector<PixelPoint> DitherWalk::Targets(int images)
{
    std::vector<PixelPoint> targets;
    if (images <= 0)
        return targets;
    targets.push_back(Start());
    while (int(targets.size()) < images)
        targets.push_back(Next());
    return targets;
}

PixelPoint DitherWalk::target() const
{
    return {m_plugIn.XOffset, m_plugIn.YOffset};
}

void CopySettingsWithoutLog(SettingsStore &store, SettingsStore &copy)
{
    for (const auto &[key, value] : store.List(Keys::Application, Keys::Section))
        copy.SaveSetting(Keys::Application, Keys::Section, key, value);
    copy.SaveSetting(Keys::Application, Keys::Section, Keys::Log, "0");
}

} // namespace Quiverstep
