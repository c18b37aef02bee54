#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <thread>
#include <vector>

#include "ui/Dialogs.h"
#include "ui/ListControl.h"
#include "ui/MessageQueue.h"
#include "ui/Region.h"
#include "ui/ToolTip.h"
#include "ui/UiHarness.h"
#include "ui/Window.h"

using namespace ui;

namespace {

struct Msg {
  uint32_t message;
  WPARAM w;
  LPARAM l;
};

// Records everything it receives.
class Probe : public Window {
 public:
  std::vector<Msg> messages;
  std::vector<std::string> input;
  bool lostCapture = false;
  bool grabOnDown = false;

 protected:
  LRESULT OnMessage(uint32_t m, WPARAM w, LPARAM l) override {
    messages.push_back({m, w, l});
    return LRESULT(m + 1);
  }
  void OnMouseDown(Point p, MouseButton) override {
    input.push_back("down " + std::to_string(p.x) + "," + std::to_string(p.y));
    if (grabOnDown) SetCapture();
  }
  void OnMouseUp(Point p, MouseButton) override {
    input.push_back("up " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
  void OnMouseMove(Point p) override { input.push_back("move " + std::to_string(p.x) + "," + std::to_string(p.y)); }
  void OnMouseWheel(int delta, Point) override { input.push_back("wheel " + std::to_string(delta)); }
  bool OnKeyDown(int vk) override {
    input.push_back("key " + std::to_string(vk));
    return vk == VK_BACK;
  }
  void OnChar(char32_t c) override { input.push_back(std::string("char ") + char(c)); }
  void OnTimer(uint32_t id) override { input.push_back("timer " + std::to_string(id)); }
  void OnCaptureLost() override { lostCapture = true; }
};

class WindowLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    harness::EnsureApplication();
    top.Create({0, 0, 300, 200}, nullptr, WS_POPUP);
    harness::ShowTop(top);
  }
  Probe top;
};

TEST_F(WindowLayer, SendIsImmediatePostIsFifo) {
  top.Post(WM_USER + 1, 1, 10);
  top.Post(WM_USER + 2, 2, 20);
  EXPECT_EQ(SendWindowMessage(top.Handle(), WM_USER + 9, 9, 90), LRESULT(WM_USER + 10));
  ASSERT_EQ(top.messages.size(), 1u);
  harness::Pump();
  ASSERT_EQ(top.messages.size(), 3u);
  EXPECT_EQ(top.messages[1].message, WM_USER + 1u);
  EXPECT_EQ(top.messages[2].message, WM_USER + 2u);
  // Parameters are pointer wide.
  const WPARAM wide = WPARAM(0x123456789ABCull);
  top.Post(WM_USER, wide, LPARAM(-0x23456789ABCll));
  harness::Pump();
  EXPECT_EQ(top.messages.back().w, wide);
  EXPECT_EQ(top.messages.back().l, LPARAM(-0x23456789ABCll));
}

TEST_F(WindowLayer, PostingFromThreadsKeepsEachThreadsOrder) {
  const WindowHandle h = top.Handle();
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([h, t] {
      for (int i = 0; i < 250; ++i) PostWindowMessage(h, WM_USER + 5, WPARAM(t), LPARAM(i));
    });
  for (auto& th : threads) th.join();
  harness::Pump();
  ASSERT_EQ(top.messages.size(), 1000u);
  int last[4] = {-1, -1, -1, -1};
  for (const Msg& m : top.messages) {
    EXPECT_EQ(m.l, last[m.w] + 1);
    last[m.w] = int(m.l);
  }
}

TEST_F(WindowLayer, MessagesForDestroyedWindowsAreDropped) {
  auto child = std::make_unique<Probe>();
  child->Create({0, 0, 10, 10}, &top, WS_CHILD | WS_VISIBLE);
  const WindowHandle h = child->Handle();
  EXPECT_TRUE(PostWindowMessage(h, WM_USER, 0, 0));
  child.reset();
  harness::Pump();  // must not touch the freed window
  EXPECT_EQ(WindowFromHandle(h), nullptr);
  EXPECT_EQ(SendWindowMessage(h, WM_USER, 0, 0), 0);
  EXPECT_FALSE(PostWindowMessage(0, WM_USER, 0, 0));
}

TEST_F(WindowLayer, DestroyingAParentRetiresItsChildren) {
  auto parent = std::make_unique<Probe>();
  parent->Create({0, 0, 100, 100}, &top, WS_CHILD | WS_VISIBLE);
  Probe child;
  child.Create({0, 0, 10, 10}, parent.get(), WS_CHILD | WS_VISIBLE);
  child.SetTimer(1, 1000);
  child.SetCapture();
  const WindowHandle h = child.Handle();
  parent.reset();
  EXPECT_FALSE(child.IsCreated());
  EXPECT_EQ(WindowFromHandle(h), nullptr);
  EXPECT_EQ(Window::Capture(), nullptr);
  child.Destroy();  // harmless twice
}

TEST_F(WindowLayer, DisabledWindowGetsNoInputAndLosesCapture) {
  Probe child;
  child.Create({10, 10, 60, 60}, &top, WS_CHILD | WS_VISIBLE);
  child.grabOnDown = true;
  harness::MouseDown(child, {5, 5});
  ASSERT_TRUE(child.HasCapture());
  child.EnableWindow(false);
  EXPECT_EQ(Window::Capture(), nullptr);
  EXPECT_TRUE(child.lostCapture);
  child.input.clear();
  harness::MouseUp(child, {5, 5});
  harness::Click(child, {5, 5});
  EXPECT_TRUE(child.input.empty());
  child.EnableWindow(true);
  harness::Click(child, {5, 5});
  EXPECT_EQ(child.input.front(), "down 5,5");
}

TEST_F(WindowLayer, CaptureReceivesInputAnywhere) {
  Probe a, b;
  a.Create({0, 0, 50, 50}, &top, WS_CHILD | WS_VISIBLE);
  b.Create({100, 0, 150, 50}, &top, WS_CHILD | WS_VISIBLE);
  a.grabOnDown = true;
  harness::MouseDown(a, {10, 10});
  harness::MouseMove(b, {5, 5});
  harness::MouseUp(b, {5, 5});
  EXPECT_TRUE(b.input.empty());
  ASSERT_EQ(a.input.size(), 3u);
  EXPECT_EQ(a.input[1], "move 105,5");  // b's (5, 5) in a's coordinates
  EXPECT_EQ(a.input[2], "up 105,5");
  a.ReleaseCapture();
}

TEST_F(WindowLayer, ShapedWindowIsHitOnlyInsideItsShape) {
  Probe key;
  key.Create({20, 20, 42, 139}, &top, WS_CHILD | WS_VISIBLE);
  key.SetWindowRgn(Region(Rect{0, 0, 14, 119}) | Region(Rect{14, 70, 22, 119}));
  EXPECT_EQ(harness::WindowAt(top, {25, 25}), &key);
  EXPECT_EQ(harness::WindowAt(top, {38, 25}), &top);  // the notch
  EXPECT_EQ(harness::WindowAt(top, {38, 100}), &key);
  harness::ClickAt(top, {38, 25});
  EXPECT_TRUE(key.input.empty());
}

TEST_F(WindowLayer, DoubleClickIsADownWithoutDoubleClickClass) {
  harness::DoubleClick(top, {3, 4});
  EXPECT_EQ(top.input, (std::vector<std::string>{"down 3,4", "up 3,4", "down 3,4", "up 3,4"}));
}

TEST_F(WindowLayer, KeysCharactersWheelAndTimers) {
  top.SetFocus();
  harness::Key(VK_BACK);
  harness::Type("a");
  harness::Wheel(top, -120);
  EXPECT_EQ(top.input, (std::vector<std::string>{"key 8", "key 65", "char a", "wheel -120"}));
  top.SetTimer(7, 5);
  QElapsedTimer clock;
  clock.start();
  while (top.input.back() != "timer 7" && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_EQ(top.input.back(), "timer 7");
  top.KillTimer(7);
}

TEST_F(WindowLayer, DialogsAnswerThroughHooksAndFiltersParse) {
  std::string seen;
  SetMessageBoxHook([&](const std::string& text, const std::string& caption, unsigned flags) {
    seen = caption + "|" + text + "|" + std::to_string(flags);
    return IDNO;
  });
  EXPECT_EQ(MessageBox(&top, "x is changed. Do you want to save it?", "", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(seen, "|x is changed. Do you want to save it?|35");
  SetMessageBoxHook(nullptr);

  const auto filters = ParseFilterString("TNA Files (*.tna)|*.tna|Tiff Files (*.tif)|*.tif;*.tiff||");
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[1].patterns, "*.tif;*.tiff");
  EXPECT_EQ(ToolkitFilter(filters[1]), "Tiff Files (*.tif) (*.tif *.tiff)");
  SetFileDialogHook([](const FileDialogRequest& r) {
    return FileDialogResult{true, "/tmp/a." + r.defaultExtension, 2};
  });
  FileDialogRequest request;
  request.defaultExtension = "tna";
  const FileDialogResult result = RunFileDialog(&top, request);
  EXPECT_EQ(result.path, "/tmp/a.tna");
  EXPECT_EQ(result.filterIndex, 2);
  SetFileDialogHook(nullptr);
}

TEST_F(WindowLayer, ToolTipShowsOnlyWhileActive) {
  ToolTip tip;
  tip.Create(&top);
  tip.SetMaxTipWidth(100);
  tip.Show("12 34 56", {20, 20});
  EXPECT_FALSE(tip.IsShown());
  tip.Activate(true);
  tip.Show("Pantone 123\r\n12 34 56", {20, 20});
  EXPECT_TRUE(tip.IsShown());
  EXPECT_EQ(tip.Text(), "Pantone 123\r\n12 34 56");
  tip.Activate(false);
  EXPECT_FALSE(tip.IsShown());
}

TEST_F(WindowLayer, ListsReportUserSelectionsOnly) {
  ListControl list;
  list.Create(ListControl::Kind::ListBox, {0, 0, 80, 70}, &top, WS_CHILD | WS_VISIBLE, 300);
  list.SetItemHeight(14);
  for (const char* s : {"C", "C#", "D", "Eb", "E", "F", "F#"}) list.AddString(s);
  list.SetCurSel(2);
  EXPECT_TRUE(top.messages.empty());
  harness::Click(list, {5, 14 * 3 + 2});
  EXPECT_EQ(list.GetCurSel(), 3);
  ASSERT_EQ(top.messages.size(), 1u);
  EXPECT_EQ(top.messages[0].message, WM_COMMAND);
  EXPECT_EQ(top.messages[0].w, MakeWParam(300, LBN_SELCHANGE));
  EXPECT_EQ(top.messages[0].l, reinterpret_cast<LPARAM>(&list));

  ListControl combo;
  combo.Create(ListControl::Kind::DropDown, {100, 0, 170, 300}, &top, WS_CHILD | WS_VISIBLE, 600);
  for (const char* s : {"System", "Pantone", "Ncs"}) combo.AddString(s);
  combo.SetCurSel(0);
  harness::Click(combo, {5, 5});
  ASSERT_NE(combo.DroppedList(), nullptr);
  harness::Click(*combo.DroppedList(), {5, 14 + 3});
  harness::Pump();
  EXPECT_EQ(combo.DroppedList(), nullptr);
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(top.messages.back().w, MakeWParam(600, CBN_SELCHANGE));
}

}  // namespace
