// Messages from the toolkit-free layer (plug-ins, worker threads) reaching the
// windows of the UI layer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "WindowMessage.h"
#include "ui/CoreMessages.h"
#include "ui/Dialogs.h"
#include "ui/MessageQueue.h"
#include "ui/UiHarness.h"
#include "ui/Window.h"

namespace {

struct Received {
  uint32_t message;
  ui::WPARAM wParam;
  ui::LPARAM lParam;
  bool onUiThread;
};

class Recorder : public ui::Window {
 public:
  std::vector<Received> received;

 protected:
  ui::LRESULT OnMessage(uint32_t m, ui::WPARAM w, ui::LPARAM l) override {
    received.push_back({m, w, l, ui::IsUiThread()});
    return ui::LRESULT(m * 10 + w);
  }
};

template <typename F>
void RunOnWorker(F work) {
  std::thread worker(work);
  worker.join();
}

// Keeps the UI thread draining its queue until the worker is done.
template <typename F>
void RunOnWorkerWhilePumping(F work) {
  std::atomic<bool> done{false};
  std::thread worker([&] {
    work();
    done = true;
  });
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done && std::chrono::steady_clock::now() < giveUp) {
    ui::PumpMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  worker.join();
}

class CoreMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::harness::EnsureApplication();
    ui::InstallCoreDispatcher();
    window_.Create({0, 0, 40, 30}, nullptr, 0, "recorder");
  }
  void TearDown() override {
    ui::SetMessageBoxHook(nullptr);
    ui::PumpMessages();
    ui::RemoveCoreDispatcher();
  }
  Recorder window_;
};

TEST_F(CoreMessages, EveryCreatedWindowHasALiveCoreHandle) {
  Recorder child;
  child.Create({0, 0, 10, 10}, &window_, ui::WS_CHILD, "child");
  ASSERT_NE(window_.CoreHandle(), nullptr);
  ASSERT_NE(child.CoreHandle(), nullptr);
  EXPECT_NE(window_.CoreHandle(), child.CoreHandle());
  EXPECT_TRUE(tna::IsWindow(window_.CoreHandle()));
  EXPECT_EQ(ui::WindowFromCoreHandle(child.CoreHandle()), &child);
  EXPECT_EQ(tna::GetMessageDispatcher(), &ui::CoreDispatcher());

  Recorder never;
  EXPECT_EQ(never.CoreHandle(), nullptr);
}

TEST_F(CoreMessages, WorkerPostsKeepOneOrderWithUiPosts) {
  HWND core = window_.CoreHandle();
  ASSERT_TRUE(window_.Post(ui::WM_USER + 1, 1, -1));
  RunOnWorker([core] { EXPECT_TRUE(tna::PostMessage(core, WM_USER + 2, 2, -2)); });
  ASSERT_TRUE(ui::PostWindowMessage(window_.Handle(), ui::WM_USER + 3, 3, -3));
  RunOnWorker([core] {
    EXPECT_TRUE(tna::PostMessage(core, WM_USER + 4, 4, -4));
    EXPECT_TRUE(tna::PostMessage(core, WM_USER + 5, 5, -5));
  });
  EXPECT_TRUE(window_.received.empty()) << "posted messages wait for the event loop";

  ui::PumpMessages();
  ASSERT_EQ(window_.received.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    const Received& r = window_.received[i];
    EXPECT_EQ(r.message, ui::WM_USER + 1 + i) << i;
    EXPECT_EQ(r.wParam, ui::WPARAM(i + 1)) << i;
    EXPECT_EQ(r.lParam, -(i + 1)) << i;
    EXPECT_TRUE(r.onUiThread) << i;
  }
}

TEST_F(CoreMessages, EventLoopDeliversWorkerPosts) {
  HWND core = window_.CoreHandle();
  RunOnWorker([core] { tna::PostMessage(core, WM_USER + 7, 0, 0); });
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(window_.received.size(), 1u);
  EXPECT_EQ(window_.received[0].message, ui::WM_USER + 7);
}

TEST_F(CoreMessages, MessagesForADestroyedWindowAreDropped) {
  auto parent = std::make_unique<Recorder>();
  parent->Create({0, 0, 20, 20}, nullptr, 0, "parent");
  Recorder child;
  child.Create({0, 0, 10, 10}, parent.get(), ui::WS_CHILD, "child");
  HWND parentHandle = parent->CoreHandle();
  HWND childHandle = child.CoreHandle();
  HWND survivor = window_.CoreHandle();

  RunOnWorker([&] {
    EXPECT_TRUE(tna::PostMessage(parentHandle, WM_USER + 1));
    EXPECT_TRUE(tna::PostMessage(childHandle, WM_USER + 2));
    EXPECT_TRUE(tna::PostMessage(survivor, WM_USER + 3));
  });
  // Destroying the parent takes the child's widget and both handles with it.
  parent.reset();
  EXPECT_FALSE(tna::IsWindow(parentHandle));
  EXPECT_FALSE(tna::IsWindow(childHandle));
  EXPECT_EQ(child.CoreHandle(), nullptr);
  EXPECT_EQ(ui::WindowFromCoreHandle(childHandle), nullptr);

  ui::PumpMessages();
  EXPECT_TRUE(child.received.empty());
  ASSERT_EQ(window_.received.size(), 1u);
  EXPECT_EQ(window_.received[0].message, ui::WM_USER + 3);

  RunOnWorker([&] {
    EXPECT_FALSE(tna::PostMessage(childHandle, WM_USER + 4));
    EXPECT_EQ(tna::SendMessage(childHandle, WM_USER + 4), 0);
  });
}

TEST_F(CoreMessages, SendFromAWorkerReturnsTheWindowsAnswer) {
  HWND core = window_.CoreHandle();
  ASSERT_TRUE(window_.Post(ui::WM_USER + 1, 0, 0));
  LRESULT answer = 0;
  RunOnWorkerWhilePumping([&] { answer = tna::SendMessage(core, WM_USER + 2, 3, 0); });
  EXPECT_EQ(answer, LRESULT((WM_USER + 2) * 10 + 3));
  ASSERT_EQ(window_.received.size(), 2u);
  EXPECT_EQ(window_.received[0].message, ui::WM_USER + 1) << "the send waits behind earlier posts";
  EXPECT_EQ(window_.received[1].message, ui::WM_USER + 2);
  EXPECT_TRUE(window_.received[1].onUiThread);

  // On the UI thread a send is a direct call.
  EXPECT_EQ(tna::SendMessage(core, WM_USER + 3, 1, 0), LRESULT((WM_USER + 3) * 10 + 1));
  EXPECT_EQ(window_.received.size(), 3u);
}

TEST_F(CoreMessages, WorkerMessageBoxIsShownOnTheUiThread) {
  struct Shown {
    std::string text, caption;
    unsigned flags;
    bool onUiThread;
  };
  std::vector<Shown> shown;
  ui::SetMessageBoxHook([&](const std::string& text, const std::string& caption, unsigned flags) {
    shown.push_back({text, caption, flags, ui::IsUiThread()});
    return ui::IDOK;
  });
  Recorder doomed;
  doomed.Create({0, 0, 10, 10}, nullptr, 0, "doomed");
  HWND owner = window_.CoreHandle();
  HWND gone = doomed.CoreHandle();

  RunOnWorker([&] {
    tna::ShowMessageBox(owner, "device lost", "Error");
    tna::ShowMessageBox(gone, "nobody sees this", "Error");
  });
  EXPECT_TRUE(shown.empty()) << "the worker does not show the box itself";
  doomed.Destroy();

  ui::PumpMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "device lost");
  EXPECT_EQ(shown[0].caption, "Error");
  EXPECT_EQ(shown[0].flags, ui::MB_OK);
  EXPECT_TRUE(shown[0].onUiThread);
}

TEST_F(CoreMessages, RemovingTheDispatcherStopsCorePosts) {
  HWND core = window_.CoreHandle();
  ui::RemoveCoreDispatcher();
  EXPECT_EQ(tna::GetMessageDispatcher(), nullptr);
  EXPECT_FALSE(tna::PostMessage(core, WM_USER));

  // Removal leaves somebody else's dispatcher alone.
  tna::MessageQueue other;
  tna::SetMessageDispatcher(&other);
  ui::RemoveCoreDispatcher();
  EXPECT_EQ(tna::GetMessageDispatcher(), &other);

  ui::InstallCoreDispatcher();
  EXPECT_TRUE(tna::PostMessage(core, WM_USER));
  EXPECT_EQ(other.Pump(), 0);
  ui::PumpMessages();
  EXPECT_EQ(window_.received.size(), 1u);
}

}  // namespace
