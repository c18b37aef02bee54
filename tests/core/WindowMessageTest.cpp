#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "WindowMessage.h"

namespace {

struct Recorder : tna::MessageTarget {
    std::vector<std::pair<UINT, WPARAM>> received;
    std::thread::id lastThread;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        received.emplace_back(message, wParam);
        lastThread = std::this_thread::get_id();
        return LRESULT(wParam) + lParam;
    }
};

class WindowMessageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tna::SetMessageDispatcher(&queue_);
        window_ = tna::RegisterWindow(&recorder_);
    }
    void TearDown() override
    {
        tna::UnregisterWindow(window_);
        tna::SetMessageDispatcher(nullptr);
    }

    tna::MessageQueue queue_;
    Recorder recorder_;
    HWND window_ = nullptr;
};

TEST_F(WindowMessageTest, PostsFromAnotherThreadArriveInOrderOnTheWindowThread)
{
    std::thread poster([this] {
        for (WPARAM i = 0; i < 100; ++i)
            EXPECT_TRUE(tna::PostMessage(window_, WM_USER + 1, i));
    });
    poster.join();
    EXPECT_TRUE(recorder_.received.empty()) << "nothing is delivered before the queue runs";
    EXPECT_EQ(queue_.Pump(), 100);
    ASSERT_EQ(recorder_.received.size(), 100u);
    for (WPARAM i = 0; i < 100; ++i)
        EXPECT_EQ(recorder_.received[i].second, i);
    EXPECT_EQ(recorder_.lastThread, std::this_thread::get_id());
}

TEST_F(WindowMessageTest, AMessageForADestroyedWindowIsDropped)
{
    Recorder other;
    HWND gone = tna::RegisterWindow(&other);
    ASSERT_TRUE(tna::PostMessage(gone, WM_USER + 2));
    tna::UnregisterWindow(gone);
    queue_.Pump();
    EXPECT_TRUE(other.received.empty());
    EXPECT_FALSE(tna::PostMessage(gone, WM_USER + 2));
    EXPECT_EQ(tna::SendMessage(gone, WM_USER + 2), 0);

    Recorder reborn;
    HWND fresh = tna::RegisterWindow(&reborn);
    EXPECT_NE(fresh, gone) << "handles are never reused";
    tna::UnregisterWindow(fresh);
}

TEST_F(WindowMessageTest, SendReturnsTheAnswerFromAnyThread)
{
    EXPECT_EQ(tna::SendMessage(window_, WM_USER + 3, 5, 7), 12);
    LRESULT fromWorker = 0;
    std::thread sender([&] { fromWorker = tna::SendMessage(window_, WM_USER + 3, 1, 2); });
    while (recorder_.received.size() < 2)
        queue_.WaitAndPump(10);
    sender.join();
    EXPECT_EQ(fromWorker, 3);
    EXPECT_EQ(recorder_.lastThread, std::this_thread::get_id());
}

TEST_F(WindowMessageTest, BoxesFromAWorkerAreShownOnTheWindowThread)
{
    std::thread worker([this] { tna::ShowMessageBox(window_, "device lost", "Error"); });
    worker.join();
    EXPECT_TRUE(queue_.TakeMessageBoxes().empty());
    queue_.Pump();
    EXPECT_EQ(queue_.TakeMessageBoxes(), std::vector<std::string>{"Error: device lost"});

    tna::ShowMessageBox(nullptr, "nobody sees this", "Error");
    queue_.Pump();
    EXPECT_TRUE(queue_.TakeMessageBoxes().empty());
}

TEST(WindowMessage, PostingWithoutADispatcherFails)
{
    Recorder recorder;
    HWND window = tna::RegisterWindow(&recorder);
    EXPECT_FALSE(tna::PostMessage(window, WM_USER));
    EXPECT_EQ(tna::SendMessage(window, WM_USER, 4), 4) << "a send on the caller's thread still arrives";
    tna::UnregisterWindow(window);
}

} // namespace
