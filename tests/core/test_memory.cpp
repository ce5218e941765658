/* Memory services: zero-filling, growth, and every failure reported once
   with its own text before the caller sees NULL or 0. */
#include <gtest/gtest.h>
#include <string.h>

#include "memory.h"
#include "os_portable.h"

namespace {

class MemoryTest : public ::testing::Test {
protected:
    void SetUp() override { OsNoticeLogClear(); MyAllocFailAfter(-1); }
    void TearDown() override { MyAllocFailAfter(-1); }

    /* The only notice shown, which must be a memory notice. */
    std::string OnlyMemoryNotice()
    {
        const std::vector<OsNoticeRecord> &log = OsNoticeLog();
        EXPECT_EQ(1u, log.size());
        if (log.empty())
            return std::string();
        EXPECT_EQ(OS_NOTICE_MEMORY, log[0].nKind);
        return log[0].szText;
    }
};

TEST_F(MemoryTest, BlocksAreZeroFilledAndSized)
{
    for (unsigned cb : { 1u, 7u, 100u, 4096u, 100000u }) {
        unsigned char *p = (unsigned char *)MyAlloc(cb);
        ASSERT_NE(nullptr, p) << "size " << cb;
        for (unsigned i = 0; i < cb; i++)
            ASSERT_EQ(0, p[i]) << "byte " << i << " of a block of " << cb;
        EXPECT_EQ(cb, MySize(p));
        MyFree(p);
    }
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST_F(MemoryTest, GrowingKeepsOldBytesAndZeroesNewOnes)
{
    unsigned char *p = (unsigned char *)MyAlloc(10);
    ASSERT_NE(nullptr, p);
    memset(p, 0xAB, 10);
    p = (unsigned char *)MyReAlloc(p, 5000);
    ASSERT_NE(nullptr, p);
    for (unsigned i = 0; i < 10; i++)
        EXPECT_EQ(0xAB, p[i]) << "old byte " << i;
    for (unsigned i = 10; i < 5000; i++)
        ASSERT_EQ(0, p[i]) << "new byte " << i;
    EXPECT_EQ(5000u, MySize(p));

    /* Shrinking then growing again must not bring back stale bytes. */
    memset(p, 0xCD, 5000);
    p = (unsigned char *)MyReAlloc(p, 4);
    ASSERT_NE(nullptr, p);
    p = (unsigned char *)MyReAlloc(p, 64);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(0xCD, p[3]);
    for (unsigned i = 4; i < 64; i++)
        ASSERT_EQ(0, p[i]) << "regrown byte " << i;
    MyFree(p);
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST_F(MemoryTest, FreeOfNullIsSilent)
{
    MyFree(NULL);
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST_F(MemoryTest, FailedAllocationIsReportedThenNull)
{
    MyAllocFailAfter(0);
    EXPECT_EQ(nullptr, MyAlloc(16));
    EXPECT_EQ("Memory allocation failed: not enough memory !", OnlyMemoryNotice());

    /* The hook fails one allocation only. */
    void *p = MyAlloc(16);
    EXPECT_NE(nullptr, p);
    MyFree(p);
}

TEST_F(MemoryTest, FailedGrowthKeepsTheOldBlock)
{
    char *p = (char *)MyAlloc(8);
    ASSERT_NE(nullptr, p);
    strcpy(p, "kept");
    MyAllocFailAfter(0);
    EXPECT_EQ(nullptr, MyReAlloc(p, 1 << 20));
    EXPECT_EQ("Memory reallocation failed: not enough memory !", OnlyMemoryNotice());
    EXPECT_STREQ("kept", p);
    EXPECT_EQ(8u, MySize(p));
    MyFree(p);
}

TEST_F(MemoryTest, FailAfterCountsSuccessfulAllocations)
{
    MyAllocFailAfter(2);
    void *a = MyAlloc(4);
    void *b = MyAlloc(4);
    void *c = MyAlloc(4);
    EXPECT_NE(nullptr, a);
    EXPECT_NE(nullptr, b);
    EXPECT_EQ(nullptr, c);
    MyFree(a);
    MyFree(b);
    EXPECT_EQ(1u, OsNoticeLog().size());
}

TEST_F(MemoryTest, BlocksTheHeapDoesNotKnowAreRefused)
{
    /* A pointer inside a live block is not a block of its own. */
    char *p = (char *)MyAlloc(64);
    ASSERT_NE(nullptr, p);

    EXPECT_EQ(0u, MySize(p + 32));
    EXPECT_EQ("Unable to obtain bloc size: bad pointer or corrupted heap !", OnlyMemoryNotice());

    OsNoticeLogClear();
    MyFree(p + 32);
    EXPECT_EQ("Unable to free memory: bad pointer or corrupted heap !", OnlyMemoryNotice());

    OsNoticeLogClear();
    EXPECT_EQ(nullptr, MyReAlloc(p + 32, 128));
    EXPECT_EQ("Memory corruption: please quit this program !", OnlyMemoryNotice());

    MyFree(p);
}

} // namespace
