#include "SqliteStore.h"
#include "Errors.h"
#include "SettingKeys.h"
#include "Settings.h"

#include "TempFolderTest.h"

using namespace Quiverstep;

namespace {

using SqliteStoreTest = TempFolderTest;

void expectRefused(const std::filesystem::path &file)
{
    try {
        SqliteStore store(file);
        ADD_FAILURE() << "opened " << file;
    } catch (const StoreError &e) {
        EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
    }
}

} // namespace

TEST_F(SqliteStoreTest, TextsRoundTripExactly)
{
    const std::vector<std::pair<std::string, std::string>> values = {
            {"Dither Step", "2"},
            {"Pattern2", "A\\1,2\\3:4\\TOP"},
            {"Odd", "a,b;c\\d"},
            {"Blanks", "  4"},
            {"Lines", "one\r\ntwo\nthree"},
            {"Empty", ""},
    };
    {
        SqliteStore store(path);
        for (const auto &[key, value] : values)
            store.SaveSetting("Orrerix", "Quiverstep", key, value);
    }
    SqliteStore store(path);
    for (const auto &[key, value] : values)
        EXPECT_EQ(store.Find("Orrerix", "Quiverstep", key), value) << key;
    EXPECT_EQ(store.GetSetting("Orrerix", "Quiverstep", "Empty", "default"), "");
    EXPECT_EQ(store.GetSetting("Orrerix", "Quiverstep", "Absent", "default"), "default");
    EXPECT_EQ(store.Find("Orrerix", "Quiverstep", "dither step"), "2"); // keys ignore case
    EXPECT_EQ(store.List("Orrerix", "Quiverstep").size(), values.size());
}

TEST_F(SqliteStoreTest, FilesThatCannotBeTheStoreAreErrorsNamingThemAndStayAsTheyWere)
{
    {
        std::ofstream out(path, std::ios::binary);
        out << "this is not a settings database, but the user's file" << std::string(5000, 'x');
    }
    const std::string before = contents(path);
    expectRefused(path);
    EXPECT_EQ(contents(path), before);
    expectRefused(folder / "absent" / "x.db");
}

TEST_F(SqliteStoreTest, UnwritableFolderIsAnErrorNamingThePath)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere";
    std::filesystem::permissions(folder,
                                 std::filesystem::perms::owner_read
                                         | std::filesystem::perms::owner_exec);
    expectRefused(path);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
}

// One operation on the database is one transaction from its first read: it reads one
// snapshot and commits once, or not at all; when another connection wrote in between, its
// writes still land. An operation of reads alone, committed or not, holds no lock after it.
TEST_F(SqliteStoreTest, OperationReadsOneSnapshotAndLeavesNoLock)
{
    SqliteStore store(path);
    SqliteStore other(path);
    const Settings settings(store);
    Settings(other).Save(Keys::CurrentStep, "1");
    {
        StoreOperation operation(store);
        EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "1");
        Settings(other).Save(Keys::CurrentStep, "2");
        EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "1") << "a read inside the operation moved";
        operation.Commit();
    }
    EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "2");
    {
        StoreOperation abandoned(store);
        settings.Get(Keys::DitherStep, "1");
    }
    StoreOperation operation(other);
    Settings(other).Save(Keys::DitherStep, "2");
    EXPECT_NO_THROW(operation.Commit());
    EXPECT_EQ(settings.Get(Keys::DitherStep, ""), "2");
}

TEST_F(SqliteStoreTest, WritesLandTogetherWhenAnotherConnectionWroteSinceTheReads)
{
    SqliteStore store(path);
    SqliteStore other(path);
    const Settings settings(store);
    const Settings check(other);
    {
        StoreOperation operation(store);
        settings.Get(Keys::CurrentOffsetX, "16");
        check.Save(Keys::DitherType, "2");
        // The snapshot is stale now: the first write must start its own transaction.
        settings.Save(Keys::CurrentOffsetX, "17");
        settings.Save(Keys::CurrentOffsetY, "15");
        EXPECT_EQ(settings.Get(Keys::CurrentOffsetX, ""), "17");
        EXPECT_EQ(check.Find(Keys::CurrentOffsetX), std::nullopt);
        operation.Commit();
    }
    EXPECT_EQ(check.Get(Keys::CurrentOffsetX, ""), "17");
    EXPECT_EQ(check.Get(Keys::CurrentOffsetY, ""), "15");
    EXPECT_EQ(check.Get(Keys::DitherType, ""), "2") << "the other connection's write was lost";
    {
        StoreOperation abandoned(store);
        settings.Save(Keys::CurrentOffsetX, "99");
    }
    EXPECT_EQ(check.Get(Keys::CurrentOffsetX, ""), "17");
}
