#include "StagedStore.h"
#include "MemoryStore.h"

#include <gtest/gtest.h>

using namespace Quiverstep;

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

class StagedStoreTest : public ::testing::Test
{
protected:
    StagedStoreTest()
    {
        auto medium = std::make_unique<MemoryStore>();
        m_medium = medium.get();
        m_store = std::make_unique<StagedStore>(std::move(medium));
        m_medium->SaveSetting("A", "S", "Kept", "1");
    }

    std::optional<std::string> onMedium(const char *key) { return m_medium->Find("A", "S", key); }

    MemoryStore *m_medium;
    std::unique_ptr<StagedStore> m_store;
};

} // namespace

TEST_F(StagedStoreTest, AbandonedOperationLeavesTheMediumAsItWas)
{
    {
        StoreOperation operation(*m_store);
        m_store->SaveSetting("A", "S", "kept", "2");
        m_store->SaveSetting("A", "S", "New", "3");
        // Inside, the held writes are what is read, under any letter case.
        EXPECT_EQ(m_store->Find("A", "S", "KEPT"), "2");
        EXPECT_EQ(m_store->List("A", "S"), (Values{{"Kept", "2"}, {"New", "3"}}));
        EXPECT_EQ(onMedium("New"), std::nullopt);
    } // no Commit: abandoned
    EXPECT_EQ(m_store->Find("A", "S", "Kept"), "1");
    EXPECT_EQ(m_store->Find("A", "S", "New"), std::nullopt);
    EXPECT_EQ(m_medium->writeCount(), 1);
}

TEST_F(StagedStoreTest, OutermostCommitWritesInOrderAndWritesOutsideGoThrough)
{
    StoreOperation outer(*m_store);
    {
        StoreOperation inner(*m_store);
        m_store->SaveSetting("A", "S", "New", "3");
        inner.Commit();
    }
    m_store->SaveSetting("A", "S", "new", "4");
    EXPECT_EQ(onMedium("New"), std::nullopt); // the inner commit is not the end
    outer.Commit();
    EXPECT_EQ(onMedium("New"), "4");

    m_store->SaveSetting("A", "S", "Kept", "5");
    EXPECT_EQ(onMedium("Kept"), "5");
}
