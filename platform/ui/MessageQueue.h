#pragma once
// Window messages by handle. A handle names a live window in the registry;
// a message for a handle that is gone (or never existed) is dropped.
// PostWindowMessage may be called from any thread: messages wait in one FIFO
// queue that the user-interface thread drains from its event loop (or from
// PumpMessages). Its signature is the dispatcher other layers register.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "ui/UiTypes.h"

namespace ui {

class Window;

bool PostWindowMessage(WindowHandle handle, uint32_t message, WPARAM wParam, LPARAM lParam);
// Delivers at once on the calling (user-interface) thread; 0 for a dead handle.
LRESULT SendWindowMessage(WindowHandle handle, uint32_t message, WPARAM wParam, LPARAM lParam);
Window* WindowFromHandle(WindowHandle handle);
// Queues a task behind the messages already waiting; it runs on the
// user-interface thread when the queue is drained. Safe from any thread.
void PostTask(std::function<void()> task);
// True on the thread that runs the toolkit's event loop.
bool IsUiThread();
// Delivers queued messages and pending toolkit events until both are quiet.
void PumpMessages();
size_t PendingMessageCount();

namespace detail {
WindowHandle RegisterWindow(Window* window);
void UnregisterWindow(WindowHandle handle);
// Makes the event-loop receiver that drains the queue; on the UI thread, once
// the application object exists.
void EnsureDrainer();
}  // namespace detail

}  // namespace ui
