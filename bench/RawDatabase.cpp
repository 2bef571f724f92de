#include "RawDatabase.h"

#include "SettingKeys.h"

#include <sqlite3.h>
#include <stdexcept>

namespace Quiverstep {

namespace {

void bind(sqlite3_stmt *statement, int index, const std::string &text)
{
    sqlite3_bind_text(statement, index, text.data(), int(text.size()), SQLITE_STATIC);
}

void bind(sqlite3_stmt *statement, int index, std::string_view text)
{
    sqlite3_bind_text(statement, index, text.data(), int(text.size()), SQLITE_STATIC);
}

} // namespace

RawDatabase::RawDatabase(const std::filesystem::path &path)
{
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK)
        throw std::runtime_error("cannot open " + path.string());
    sqlite3_busy_timeout(m_db, 5000);
    exec("PRAGMA journal_mode=WAL");
    exec("PRAGMA synchronous=FULL");
    sqlite3_prepare_v3(m_db,
                       "SELECT value FROM settings"
                       " WHERE application = ?1 AND section = ?2 AND key = ?3",
                       -1,
                       SQLITE_PREPARE_PERSISTENT,
                       &m_find,
                       nullptr);
    sqlite3_prepare_v3(m_db,
                       "INSERT INTO settings (application, section, key, value)"
                       " VALUES (?1, ?2, ?3, ?4)"
                       " ON CONFLICT (application, section, key)"
                       " DO UPDATE SET value = excluded.value",
                       -1,
                       SQLITE_PREPARE_PERSISTENT,
                       &m_save,
                       nullptr);
    if (!m_find || !m_save)
        throw std::runtime_error("cannot prepare on " + path.string());
}

RawDatabase::~RawDatabase()
{
    sqlite3_finalize(m_find);
    sqlite3_finalize(m_save);
    sqlite3_close_v2(m_db);
}

void RawDatabase::exec(const char *sql)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("cannot run ") + sql + ": " + sqlite3_errmsg(m_db));
}

void RawDatabase::Replay(const std::vector<TracingStore::Access> &accesses)
{
    if (accesses.empty())
        return;
    bool writes = false;
    for (const auto &access : accesses)
        writes = writes || access.write;
    exec(writes ? "BEGIN IMMEDIATE" : "BEGIN");
    for (const auto &access : accesses) {
        sqlite3_stmt *statement = access.write ? m_save : m_find;
        bind(statement, 1, Keys::Application);
        bind(statement, 2, Keys::Section);
        bind(statement, 3, access.key);
        if (access.write)
            bind(statement, 4, access.value);
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        }
        sqlite3_reset(statement);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(std::string("cannot replay: ") + sqlite3_errmsg(m_db));
    }
    exec("COMMIT");
}

} // namespace Quiverstep
