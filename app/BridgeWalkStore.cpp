#include "BridgeWalkStore.h"

#include "StoreCopyWalk.h"

#include "Conversions.h"
#include "GuideBox.h"
#include "SettingKeys.h"
#include "Settings.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace Quiverstep {

namespace {

namespace BridgeKeys {
constexpr std::string_view OriginX = "PHD2 Origin X";
constexpr std::string_view OriginY = "PHD2 Origin Y";
constexpr std::string_view LastTargetX = "PHD2 Last Target X";
constexpr std::string_view LastTargetY = "PHD2 Last Target Y";
} // namespace BridgeKeys

std::optional<double> storedNumber(const Settings &settings, std::string_view key)
{
    const std::optional<std::string> text = settings.Find(key);
    if (!text)
        return std::nullopt;
    try {
        return StrictNumber(*text);
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

bool sameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

BridgeWalkStore::BridgeWalkStore(SettingsStore &store, RandomSource &random, CommandPlatform &platform)
    : m_store(store)
    , m_random(random)
    , m_platform(platform)
{}

Phd2::Point BridgeWalkStore::CurrentTarget()
{
    // As the dither update reads it: a position outside the box starts at the centre.
    const Settings settings(m_store);
    const double x = storedNumber(settings, Keys::CurrentOffsetX).value_or(GuideBox::Centre);
    const double y = storedNumber(settings, Keys::CurrentOffsetY).value_or(GuideBox::Centre);
    if (!(x > GuideBox::Lowest && x < GuideBox::Highest && y > GuideBox::Lowest && y < GuideBox::Highest))
        return {GuideBox::Centre, GuideBox::Centre};
    return {x, y};
}

Phd2::Point BridgeWalkStore::NextTarget(std::vector<std::string> &messages)
{
    StoreCopyWalk onCopy(m_store, m_platform, [&messages](const std::string &text) { messages.push_back(text); }, m_random);
    std::map<std::string, std::string> before;
    for (auto &[key, value] : onCopy.store().List(Keys::Application, Keys::Section))
        before.emplace(std::move(key), std::move(value));
    onCopy.walk().Start();
    const PixelPoint target = onCopy.walk().Next();

    // Only what the dither update changed goes back, in one commit.
    StoreOperation operation(m_store);
    for (const auto &[key, value] : onCopy.store().List(Keys::Application, Keys::Section)) {
        if (sameKey(key, Keys::Log))
            continue; // the copy's log is off; the user's stays as it is
        const auto old = before.find(key);
        if (old == before.end() || old->second != value)
            m_store.SaveSetting(Keys::Application, Keys::Section, key, value);
    }
    operation.Commit();
    return {target.x, target.y};
}

std::optional<Phd2::LockAnchor> BridgeWalkStore::LoadAnchor()
{
    const Settings settings(m_store);
    const auto ox = storedNumber(settings, BridgeKeys::OriginX);
    const auto oy = storedNumber(settings, BridgeKeys::OriginY);
    const auto tx = storedNumber(settings, BridgeKeys::LastTargetX);
    const auto ty = storedNumber(settings, BridgeKeys::LastTargetY);
    if (!ox || !oy || !tx || !ty)
        return std::nullopt;
    return Phd2::LockAnchor{{*ox, *oy}, {*tx, *ty}};
}

void BridgeWalkStore::SaveAnchor(const Phd2::LockAnchor &anchor)
{
    const Settings settings(m_store);
    StoreOperation operation(m_store);
    settings.Save(BridgeKeys::OriginX, RealToText(anchor.origin.x));
    settings.Save(BridgeKeys::OriginY, RealToText(anchor.origin.y));
    settings.Save(BridgeKeys::LastTargetX, RealToText(anchor.lastTarget.x));
    settings.Save(BridgeKeys::LastTargetY, RealToText(anchor.lastTarget.y));
    operation.Commit();
}

} // namespace Quiverstep
