#pragma once
// Connects the toolkit-free message layer (platform/core) to this window layer.
// Once installed, messages posted through tna::PostMessage from any thread join
// the same FIFO queue as PostWindowMessage, so both kinds arrive in the order
// they were posted; tna::SendMessage from a worker waits for the UI thread's
// answer; tna::ShowMessageBox shows MessageBox (or its hook) on the UI thread.
// Every created Window has a core handle (Window::CoreHandle) for code that
// only knows the core layer, such as the audio plug-ins.

struct TnaWindowHandle;

namespace tna {
class MessageDispatcher;
}

namespace ui {

class Window;

// The dispatcher the core layer forwards to. Queue is safe from any thread.
tna::MessageDispatcher& CoreDispatcher();

// Installs CoreDispatcher with the core layer; call on the UI thread once the
// application object exists. Remove takes it out again (messages posted through
// the core layer then fail); it leaves another dispatcher in place.
void InstallCoreDispatcher();
void RemoveCoreDispatcher();

// Installs for its lifetime: one line in the program's start-up.
class CoreDispatcherScope {
 public:
  CoreDispatcherScope() { InstallCoreDispatcher(); }
  ~CoreDispatcherScope() { RemoveCoreDispatcher(); }
  CoreDispatcherScope(const CoreDispatcherScope&) = delete;
  CoreDispatcherScope& operator=(const CoreDispatcherScope&) = delete;
};

// The live window behind a core handle, or null. UI thread only.
Window* WindowFromCoreHandle(TnaWindowHandle* handle);

namespace detail {
// Called by Window on creation and destruction (UI thread).
TnaWindowHandle* RegisterCoreWindow(Window* window);
void UnregisterCoreWindow(TnaWindowHandle* handle);
}  // namespace detail

}  // namespace ui
