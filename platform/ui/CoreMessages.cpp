#include "ui/CoreMessages.h"

#include <memory>
#include <unordered_map>

#include "WindowMessage.h"
#include "ui/Dialogs.h"
#include "ui/MessageQueue.h"
#include "ui/Window.h"

namespace ui {
namespace {

class UiDispatcher : public tna::MessageDispatcher {
 public:
  void Queue(std::function<void()> task) override { PostTask(std::move(task)); }
  bool IsWindowThread() const override { return IsUiThread(); }
  void ShowMessageBox(HWND owner, const std::string& text, const std::string& caption) override {
    ui::MessageBox(WindowFromCoreHandle(owner), text, caption, MB_OK);
  }
};

// What the core registry holds for a window: hands its messages to the window.
class CoreTarget : public tna::MessageTarget {
 public:
  explicit CoreTarget(Window* window) : window_(window) {}
  Window* Owner() const { return window_; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return window_->Send(message, wParam, lParam);
  }

 private:
  Window* window_;
};

// Touched on the UI thread only.
std::unordered_map<HWND, std::unique_ptr<CoreTarget>>& Targets() {
  static std::unordered_map<HWND, std::unique_ptr<CoreTarget>> targets;
  return targets;
}

}  // namespace

tna::MessageDispatcher& CoreDispatcher() {
  // Never destroyed: a worker may still hold it while the program exits.
  static UiDispatcher* dispatcher = new UiDispatcher;
  return *dispatcher;
}

void InstallCoreDispatcher() {
  detail::EnsureDrainer();
  tna::SetMessageDispatcher(&CoreDispatcher());
}

void RemoveCoreDispatcher() {
  if (tna::GetMessageDispatcher() == &CoreDispatcher()) tna::SetMessageDispatcher(nullptr);
}

Window* WindowFromCoreHandle(HWND handle) {
  auto it = Targets().find(handle);
  return it == Targets().end() ? nullptr : it->second->Owner();
}

namespace detail {

HWND RegisterCoreWindow(Window* window) {
  auto target = std::make_unique<CoreTarget>(window);
  const HWND handle = tna::RegisterWindow(target.get());
  Targets()[handle] = std::move(target);
  return handle;
}

void UnregisterCoreWindow(HWND handle) {
  if (!handle) return;
  tna::UnregisterWindow(handle);
  Targets().erase(handle);
}

}  // namespace detail
}  // namespace ui
