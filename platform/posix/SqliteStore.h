#pragma once

#include "SettingsStore.h"

#include <filesystem>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace Quiverstep {

// The per-user settings store: one SQLite database, one row per application, section and
// key. Write-ahead log with full synchronisation, so a write that returned survives a crash
// and a killed process leaves no lock behind. Every read goes to the database.
class SqliteStore : public SettingsStore
{
public:
    // The statements by which it reads and writes one setting, and the journal settings it
    // opens with: a benchmark's floor uses the same.
    static constexpr const char *JournalModeStatement = "PRAGMA journal_mode=WAL";
    static constexpr const char *SynchronousStatement = "PRAGMA synchronous=FULL";
    static constexpr const char *FindStatement
            = "SELECT value FROM settings WHERE application = ?1 AND section = ?2 AND key = ?3";
    static constexpr const char *SaveStatement
            = "INSERT INTO settings (application, section, key, value) VALUES (?1, ?2, ?3, ?4)"
              " ON CONFLICT (application, section, key) DO UPDATE SET value = excluded.value";

    // Opens or creates the database; throws StoreError naming the path when the file
    // cannot be opened or is not a sound settings database. Never starts empty over it.
    explicit SqliteStore(std::filesystem::path path);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore &) = delete;
    SqliteStore &operator=(const SqliteStore &) = delete;

    // $XDG_CONFIG_HOME/Orrerix/Quiverstep.db
    static std::filesystem::path DefaultPath();
    // Opens the per-user store, creating its folder.
    static std::unique_ptr<SqliteStore> OpenUserStore();

    std::optional<std::string> Find(Text application, Text section, Text key) override;
    void SaveSetting(Text application, Text section, Text key, Text value) override;
    Entries List(Text application, Text section) override;

    void BeginOperation() override;
    void CommitOperation() override;
    void AbandonOperation() override;

    const std::filesystem::path &path() const { return m_path; }

private:
    [[noreturn]] void fail(const std::string &what) const;
    void exec(const char *sql);
    sqlite3_stmt *prepare(const char *sql);
    void endOperation(bool commit);
    void beginReading();
    int upsert(std::string_view application,
               std::string_view section,
               std::string_view key,
               std::string_view value);

    std::filesystem::path m_path;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_find = nullptr;
    sqlite3_stmt *m_save = nullptr;
    sqlite3_stmt *m_list = nullptr;
    int m_depth = 0;
    bool m_inTransaction = false;
    bool m_writing = false; // the operation's transaction holds the write lock
};

} // namespace Quiverstep
