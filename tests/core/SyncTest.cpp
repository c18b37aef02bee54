#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Sync.h"

namespace {

TEST(Semaphore, ReleaseStopsAtTheMaximumAndChangesNothing)
{
    tna::Semaphore semaphore(2, 3);
    EXPECT_TRUE(semaphore.Release());
    EXPECT_FALSE(semaphore.Release());
    EXPECT_EQ(semaphore.Count(), 3);
    EXPECT_FALSE(semaphore.Release(2));
    ASSERT_TRUE(semaphore.Wait(0));
    EXPECT_FALSE(semaphore.Release(2));
    EXPECT_TRUE(semaphore.Release(1));
    EXPECT_EQ(semaphore.Count(), 3);
}

TEST(Semaphore, WaitTimesOutAtZeroAndWakesOnRelease)
{
    tna::Semaphore semaphore(0, 1);
    EXPECT_FALSE(semaphore.Wait(10));
    std::thread releaser([&] { semaphore.Release(); });
    EXPECT_TRUE(semaphore.Wait(tna::kInfinite));
    releaser.join();
    EXPECT_EQ(semaphore.Count(), 0);
}

TEST(Event, ManualStaysSetAutoLetsOneWaiterThrough)
{
    tna::Event manual(true, false);
    EXPECT_FALSE(manual.Wait(0));
    manual.Set();
    EXPECT_TRUE(manual.Wait(0));
    EXPECT_TRUE(manual.Wait(0));
    manual.Reset();
    EXPECT_FALSE(manual.IsSet());

    tna::Event automatic(false, true);
    EXPECT_TRUE(automatic.Wait(0));
    EXPECT_FALSE(automatic.Wait(0));
}

TEST(Event, SetWakesEveryWaiterOfAManualEvent)
{
    tna::Event event(true, false);
    std::atomic<int> woken{0};
    std::thread a([&] { woken += event.Wait(5000); });
    std::thread b([&] { woken += event.Wait(5000); });
    event.Set();
    a.join();
    b.join();
    EXPECT_EQ(woken.load(), 2);
}

} // namespace
