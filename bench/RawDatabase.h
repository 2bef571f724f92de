#pragma once

#include "TracingStore.h"

#include <filesystem>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace Quiverstep {

// The settings database reached directly, with the production store's settings (write-ahead
// log, full synchronisation): the floor under what an event costs.
class RawDatabase
{
public:
    explicit RawDatabase(const std::filesystem::path &path);
    ~RawDatabase();
    RawDatabase(const RawDatabase &) = delete;
    RawDatabase &operator=(const RawDatabase &) = delete;

    // The reads and writes in one transaction (none when there are none).
    void Replay(const std::vector<TracingStore::Access> &accesses);

private:
    void exec(const char *sql);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_find = nullptr;
    sqlite3_stmt *m_save = nullptr;
};

} // namespace Quiverstep
