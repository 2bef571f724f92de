#include "SettingsStore.h"

namespace Quiverstep {

std::string SettingsStore::GetSetting(std::string_view application,
                                      std::string_view section,
                                      std::string_view key,
                                      std::string_view defaultValue)
{
    if (auto value = Find(application, section, key))
        return *value;
    return std::string(defaultValue);
}

StoreOperation::StoreOperation(SettingsStore &store)
    : m_store(store)
{
    m_store.BeginOperation();
}

StoreOperation::~StoreOperation()
{
    if (!m_done) {
        try {
            m_store.AbandonOperation();
        } catch (...) {
            // Nothing more can be done from a destructor; the medium rolls back itself.
        }
    }
}

void StoreOperation::Commit()
{
    m_done = true;
    m_store.CommitOperation();
}

} // namespace Quiverstep
