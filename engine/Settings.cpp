#include "Settings.h"

#include "SettingKeys.h"

namespace Quiverstep {

std::string Settings::Get(std::string_view key, std::string_view defaultValue) const
{
    return m_store.GetSetting(Keys::Application, Keys::Section, key, defaultValue);
}

std::optional<std::string> Settings::Find(std::string_view key) const
{
    return m_store.Find(Keys::Application, Keys::Section, key);
}

void Settings::Save(std::string_view key, std::string_view value) const
{
    m_store.SaveSetting(Keys::Application, Keys::Section, key, value);
}

} // namespace Quiverstep
