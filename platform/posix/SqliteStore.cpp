#include "SqliteStore.h"

#include "Errors.h"
#include "XdgUserPaths.h"

#include <sqlite3.h>

namespace Quiverstep {

namespace {

// Resets a statement when a call leaves, whatever way it leaves.
class StatementUse
{
public:
    explicit StatementUse(sqlite3_stmt *statement)
        : m_statement(statement)
    {}
    ~StatementUse()
    {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }

private:
    sqlite3_stmt *m_statement;
};

void bindText(sqlite3_stmt *statement, int index, std::string_view text)
{
    sqlite3_bind_text(statement, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
}

std::string columnText(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return text ? std::string(text, std::size_t(sqlite3_column_bytes(statement, column)))
                : std::string();
}

} // namespace

SqliteStore::SqliteStore(std::filesystem::path path)
    : m_path(std::move(path))
{
    const int rc = sqlite3_open_v2(reinterpret_cast<const char *>(m_path.u8string().c_str()),
                                   &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    try {
        if (rc != SQLITE_OK)
            fail("cannot open");
        // Another process may be writing: wait for it rather than fail at once.
        sqlite3_busy_timeout(m_db, 5000);
        exec(JournalModeStatement);
        exec(SynchronousStatement);
        sqlite3_stmt *check = prepare("PRAGMA quick_check");
        const bool sound = sqlite3_step(check) == SQLITE_ROW && columnText(check, 0) == "ok";
        sqlite3_finalize(check);
        if (!sound)
            fail("the database is damaged");
        exec("CREATE TABLE IF NOT EXISTS settings ("
             " application TEXT NOT NULL COLLATE NOCASE,"
             " section TEXT NOT NULL COLLATE NOCASE,"
             " key TEXT NOT NULL COLLATE NOCASE,"
             " value TEXT NOT NULL,"
             " PRIMARY KEY (application, section, key)) WITHOUT ROWID");
        m_find = prepare(FindStatement);
        m_save = prepare(SaveStatement);
        m_list = prepare("SELECT key, value FROM settings"
                         " WHERE application = ?1 AND section = ?2 ORDER BY key");
    } catch (...) {
        sqlite3_finalize(m_find);
        sqlite3_finalize(m_save);
        sqlite3_finalize(m_list);
        sqlite3_close_v2(m_db);
        throw;
    }
}

SqliteStore::~SqliteStore()
{
    if (m_inTransaction)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_finalize(m_find);
    sqlite3_finalize(m_save);
    sqlite3_finalize(m_list);
    sqlite3_close_v2(m_db);
}

std::filesystem::path SqliteStore::DefaultPath()
{
    return XdgUserPaths::ConfigFolder() / "Quiverstep.db";
}

std::unique_ptr<SqliteStore> SqliteStore::OpenUserStore()
{
    const std::filesystem::path path = DefaultPath();
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        throw StoreError("cannot create the settings folder " + path.parent_path().string() + ": "
                         + error.message());
    }
    return std::make_unique<SqliteStore>(path);
}

void SqliteStore::fail(const std::string &what) const
{
    std::string message = "settings store " + m_path.string() + ": " + what;
    if (m_db)
        message += std::string(": ") + sqlite3_errmsg(m_db);
    throw StoreError(message);
}

void SqliteStore::exec(const char *sql)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(std::string("cannot run ") + sql);
}

sqlite3_stmt *SqliteStore::prepare(const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr)
        != SQLITE_OK)
        fail("cannot read");
    return statement;
}

// The reads of an operation share one transaction, which its first write turns into the
// write transaction: an event costs one commit, and reads what it then writes over.
void SqliteStore::beginReading()
{
    if (m_depth > 0 && !m_inTransaction) {
        exec("BEGIN");
        m_inTransaction = true;
        m_writing = false;
    }
}

std::optional<std::string> SqliteStore::Find(std::string_view application,
                                             std::string_view section,
                                             std::string_view key)
{
    beginReading();
    StatementUse use(m_find);
    bindText(m_find, 1, application);
    bindText(m_find, 2, section);
    bindText(m_find, 3, key);
    const int rc = sqlite3_step(m_find);
    if (rc == SQLITE_ROW)
        return columnText(m_find, 0);
    if (rc != SQLITE_DONE)
        fail("cannot read");
    return std::nullopt;
}

void SqliteStore::SaveSetting(std::string_view application,
                              std::string_view section,
                              std::string_view key,
                              std::string_view value)
{
    if (m_depth > 0 && !m_inTransaction) {
        exec("BEGIN IMMEDIATE");
        m_inTransaction = true;
        m_writing = true;
    }
    int rc = upsert(application, section, key, value);
    if (rc == SQLITE_BUSY && m_inTransaction && !m_writing) {
        // Another connection wrote since this operation began reading, so its reads cannot
        // become a write. Write in a transaction of its own, as after reads made one by one.
        exec("ROLLBACK");
        exec("BEGIN IMMEDIATE");
        rc = upsert(application, section, key, value);
    }
    if (rc != SQLITE_DONE)
        fail("cannot write");
    m_writing = m_inTransaction;
}

int SqliteStore::upsert(std::string_view application,
                        std::string_view section,
                        std::string_view key,
                        std::string_view value)
{
    StatementUse use(m_save);
    bindText(m_save, 1, application);
    bindText(m_save, 2, section);
    bindText(m_save, 3, key);
    bindText(m_save, 4, value);
    return sqlite3_step(m_save);
}

std::vector<std::pair<std::string, std::string>> SqliteStore::List(std::string_view application,
                                                                   std::string_view section)
{
    beginReading();
    StatementUse use(m_list);
    bindText(m_list, 1, application);
    bindText(m_list, 2, section);
    std::vector<std::pair<std::string, std::string>> result;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(m_list)) == SQLITE_ROW)
        result.emplace_back(columnText(m_list, 0), columnText(m_list, 1));
    if (rc != SQLITE_DONE)
        fail("cannot read");
    return result;
}

void SqliteStore::BeginOperation()
{
    ++m_depth;
}

void SqliteStore::CommitOperation()
{
    endOperation(true);
}

void SqliteStore::AbandonOperation()
{
    endOperation(false);
}

void SqliteStore::endOperation(bool commit)
{
    if (m_depth == 0 || --m_depth > 0 || !m_inTransaction)
        return;
    m_inTransaction = false;
    m_writing = false;
    if (commit) {
        if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK)
            return;
        const std::string reason = sqlite3_errmsg(m_db);
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw StoreError("settings store " + m_path.string() + ": cannot commit: " + reason);
    }
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

} // namespace Quiverstep
