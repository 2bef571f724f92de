#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Quiverstep {

// The per-user store of texts addressed by application, section and key.
// Implementations never cache: every read asks the medium.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    using Text = std::string_view;
    using Entries = std::vector<std::pair<std::string, std::string>>;

    // The stored text, or nothing when the key is absent. Throws StoreError when unreadable.
    virtual std::optional<std::string> Find(Text application, Text section, Text key) = 0;
    // Creates the key or replaces its value; the empty text is a value like any other.
    virtual void SaveSetting(Text application, Text section, Text key, Text value) = 0;
    // Every key of a section with its value, in key order.
    virtual Entries List(Text application, Text section) = 0;

    std::string GetSetting(std::string_view application,
                           std::string_view section,
                           std::string_view key,
                           std::string_view defaultValue);

    // Groups the writes of one operation into one durable commit. Operations nest;
    // the outermost one commits. The default store writes at once.
    virtual void BeginOperation() {}
    virtual void CommitOperation() {}
    virtual void AbandonOperation() {}
};

// RAII scope of one operation: Commit() at its normal end; leaving it without
// Commit() (an exception) abandons the uncommitted writes.
class StoreOperation
{
public:
    explicit StoreOperation(SettingsStore &store);
    ~StoreOperation();
    StoreOperation(const StoreOperation &) = delete;
    StoreOperation &operator=(const StoreOperation &) = delete;

    void Commit();

private:
    SettingsStore &m_store;
    bool m_done = false;
};

} // namespace Quiverstep
