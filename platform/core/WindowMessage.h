#pragma once
// Window messages for code that runs without the toolkit: the plug-ins, their
// worker threads and the program's non-window classes.
//
// Windows are known here only by handle. The UI layer registers each live window
// (RegisterWindow) and one dispatcher (SetMessageDispatcher) that runs tasks on the
// window thread. A posted message is looked up in the registry when it is
// delivered, so a message for a window destroyed in the meantime is dropped,
// never handed to freed memory. Handles are never reused.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct TnaWindowHandle;
using HWND = TnaWindowHandle*;
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr UINT WM_USER = 0x0400;

namespace tna {

// Receives the messages of one window; implemented by the UI layer's window base
// (and by test doubles).
class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// The UI layer's bridge to its event loop. Queue may be called from any thread and
// must run the tasks on the window thread in the order they were queued.
class MessageDispatcher {
public:
    virtual ~MessageDispatcher() = default;
    virtual void Queue(std::function<void()> task) = 0;
    virtual bool IsWindowThread() const = 0;
    // Called on the window thread only.
    virtual void ShowMessageBox(HWND owner, const std::string& text, const std::string& caption) = 0;
};

// Installs the dispatcher (null removes it). Posts made without one fail.
void SetMessageDispatcher(MessageDispatcher* dispatcher);
MessageDispatcher* GetMessageDispatcher();

// Window registry. RegisterWindow returns a fresh handle for the target;
// UnregisterWindow must be called on the window thread before the target dies.
HWND RegisterWindow(MessageTarget* target);
void UnregisterWindow(HWND window);
bool IsWindow(HWND window);

// Queues the message for the window thread; safe from any thread. Returns false
// without a dispatcher or for a window that is not registered.
bool PostMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Delivers the message and returns the window's answer (0 for an unknown window).
// On the window thread it calls the window directly; from another thread it waits
// until the window thread has handled it.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Shows a message box owned by the window, on the window thread. From any other
// thread the box is queued for the window thread and this returns at once. Without
// a dispatcher the text goes to standard error. Nothing is shown for a null owner.
void ShowMessageBox(HWND owner, const std::string& text, const std::string& caption);

// A dispatcher whose tasks run when the owning thread pumps them: for headless
// tools and tests. The thread that constructs it is its window thread.
class MessageQueue : public MessageDispatcher {
public:
    MessageQueue();
    ~MessageQueue() override;

    void Queue(std::function<void()> task) override;
    bool IsWindowThread() const override;
    void ShowMessageBox(HWND owner, const std::string& text, const std::string& caption) override;

    // Runs every queued task; returns how many ran.
    int Pump();
    // Waits up to timeoutMs for a task, then pumps; returns how many ran.
    int WaitAndPump(int timeoutMs);

    // Message boxes "shown" so far, as "caption: text".
    std::vector<std::string> TakeMessageBoxes();

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace tna
