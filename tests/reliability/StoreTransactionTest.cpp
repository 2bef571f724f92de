// One operation on the database is one transaction from its first read: it reads one
// snapshot and commits once; when another connection wrote in between, its writes still land.
#include "SettingKeys.h"
#include "Settings.h"
#include "SqliteStore.h"

#include "TempFolderTest.h"

using namespace Quiverstep;

using StoreTransactionTest = TempFolderTest;

TEST_F(StoreTransactionTest, OperationReadsOneSnapshot)
{
    SqliteStore store(path);
    SqliteStore other(path);
    const Settings settings(store);
    Settings(other).Save(Keys::CurrentStep, "1");

    StoreOperation operation(store);
    EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "1");
    Settings(other).Save(Keys::CurrentStep, "2");
    EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "1") << "a read inside the operation moved";
    operation.Commit();
    EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "2");
}

TEST_F(StoreTransactionTest, WritesLandWhenAnotherConnectionWroteSinceTheReads)
{
    SqliteStore store(path);
    SqliteStore other(path);
    const Settings settings(store);
    {
        StoreOperation operation(store);
        settings.Get(Keys::CurrentOffsetX, "16");
        Settings(other).Save(Keys::DitherType, "2");
        // The snapshot is stale now: the first write must start its own transaction.
        settings.Save(Keys::CurrentOffsetX, "17");
        settings.Save(Keys::CurrentOffsetY, "15");
        operation.Commit();
    }
    SqliteStore reader(path);
    const Settings check(reader);
    EXPECT_EQ(check.Get(Keys::CurrentOffsetX, ""), "17");
    EXPECT_EQ(check.Get(Keys::CurrentOffsetY, ""), "15");
    EXPECT_EQ(check.Get(Keys::DitherType, ""), "2") << "the other connection's write was lost";
}

TEST_F(StoreTransactionTest, OperationOfReadsLeavesNoLock)
{
    SqliteStore store(path);
    SqliteStore other(path);
    {
        StoreOperation operation(store);
        Settings(store).Get(Keys::DitherStep, "1");
        operation.Commit();
    }
    {
        StoreOperation abandoned(store);
        Settings(store).Get(Keys::DitherStep, "1");
    }
    StoreOperation operation(other);
    Settings(other).Save(Keys::DitherStep, "2");
    EXPECT_NO_THROW(operation.Commit());
    EXPECT_EQ(Settings(store).Get(Keys::DitherStep, ""), "2");
}
