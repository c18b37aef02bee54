#include "WindowMessage.h"

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <utility>

namespace tna {

namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_map<std::uintptr_t, MessageTarget*> windows;
    std::uintptr_t lastHandle = 0;
    MessageDispatcher* dispatcher = nullptr;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

MessageTarget* FindTarget(HWND window)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto it = registry.windows.find(reinterpret_cast<std::uintptr_t>(window));
    return it == registry.windows.end() ? nullptr : it->second;
}

// Runs on the window thread: the window may have gone since the message was queued.
LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageTarget* target = FindTarget(window);
    return target ? target->HandleMessage(message, wParam, lParam) : 0;
}

} // namespace

void SetMessageDispatcher(MessageDispatcher* dispatcher)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.dispatcher = dispatcher;
}

MessageDispatcher* GetMessageDispatcher()
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.dispatcher;
}

HWND RegisterWindow(MessageTarget* target)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const std::uintptr_t handle = ++registry.lastHandle;
    registry.windows[handle] = target;
    return reinterpret_cast<HWND>(handle);
}

void UnregisterWindow(HWND window)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.windows.erase(reinterpret_cast<std::uintptr_t>(window));
}

bool IsWindow(HWND window)
{
    return window && FindTarget(window) != nullptr;
}

bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageDispatcher* dispatcher = GetMessageDispatcher();
    if (!dispatcher || !IsWindow(window))
        return false;
    dispatcher->Queue([=] { Deliver(window, message, wParam, lParam); });
    return true;
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageDispatcher* dispatcher = GetMessageDispatcher();
    if (!dispatcher || dispatcher->IsWindowThread())
        return Deliver(window, message, wParam, lParam);
    if (!IsWindow(window))
        return 0;
    auto answer = std::make_shared<std::promise<LRESULT>>();
    std::future<LRESULT> result = answer->get_future();
    dispatcher->Queue([=] { answer->set_value(Deliver(window, message, wParam, lParam)); });
    return result.get();
}

void ShowMessageBox(HWND owner, const std::string& text, const std::string& caption)
{
    if (!owner)
        return;
    MessageDispatcher* dispatcher = GetMessageDispatcher();
    if (!dispatcher) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return;
    }
    if (dispatcher->IsWindowThread()) {
        if (IsWindow(owner))
            dispatcher->ShowMessageBox(owner, text, caption);
        return;
    }
    dispatcher->Queue([=] {
        MessageDispatcher* current = GetMessageDispatcher();
        if (current && IsWindow(owner))
            current->ShowMessageBox(owner, text, caption);
    });
}

struct MessageQueue::State {
    std::mutex mutex;
    std::condition_variable queued;
    std::deque<std::function<void()>> tasks;
    std::vector<std::string> boxes;
    std::thread::id owner = std::this_thread::get_id();
};

MessageQueue::MessageQueue() : state_(std::make_unique<State>()) {}

MessageQueue::~MessageQueue() = default;

void MessageQueue::Queue(std::function<void()> task)
{
    {
        std::lock_guard lock(state_->mutex);
        state_->tasks.push_back(std::move(task));
    }
    state_->queued.notify_all();
}

bool MessageQueue::IsWindowThread() const
{
    return std::this_thread::get_id() == state_->owner;
}

void MessageQueue::ShowMessageBox(HWND, const std::string& text, const std::string& caption)
{
    std::lock_guard lock(state_->mutex);
    state_->boxes.push_back(caption + ": " + text);
}

int MessageQueue::Pump()
{
    int ran = 0;
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(state_->mutex);
            if (state_->tasks.empty())
                return ran;
            task = std::move(state_->tasks.front());
            state_->tasks.pop_front();
        }
        task();
        ++ran;
    }
}

int MessageQueue::WaitAndPump(int timeoutMs)
{
    {
        std::unique_lock lock(state_->mutex);
        state_->queued.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !state_->tasks.empty(); });
    }
    return Pump();
}

std::vector<std::string> MessageQueue::TakeMessageBoxes()
{
    std::lock_guard lock(state_->mutex);
    return std::exchange(state_->boxes, {});
}

} // namespace tna
