#pragma once
// Window messages by handle. A handle names a live window in the registry;
// a message for a handle that is gone (or never existed) is dropped.
// PostWindowMessage may be called from any thread: messages wait in one FIFO
// queue that the user-interface thread drains from its event loop (or from
// PumpMessages). Its signature is the dispatcher other layers register.
#include <cstddef>
#include <cstdint>

#include "ui/UiTypes.h"

namespace ui {

class Window;

bool PostWindowMessage(WindowHandle handle, uint32_t message, WPARAM wParam, LPARAM lParam);
// Delivers at once on the calling (user-interface) thread; 0 for a dead handle.
LRESULT SendWindowMessage(WindowHandle handle, uint32_t message, WPARAM wParam, LPARAM lParam);
Window* WindowFromHandle(WindowHandle handle);
// Delivers queued messages and pending toolkit events until both are quiet.
void PumpMessages();
size_t PendingMessageCount();

namespace detail {
WindowHandle RegisterWindow(Window* window);
void UnregisterWindow(WindowHandle handle);
}  // namespace detail

}  // namespace ui
