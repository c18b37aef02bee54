#include "ui/MessageQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>
#include <atomic>
#include <deque>
#include <mutex>
#include <unordered_map>

#include "ui/Window.h"

namespace ui {
namespace {

// A window message, or a task queued by another layer (handle 0).
struct Queued {
  WindowHandle handle = 0;
  uint32_t message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::function<void()> task;
};

const QEvent::Type kWakeEvent = QEvent::Type(QEvent::User + 0x0400);

void Drain();

// Lives on the user-interface thread; a wake event makes it drain the queue.
class Dispatcher : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() != kWakeEvent) return QObject::event(e);
    Drain();
    return true;
  }
};

struct State {
  std::mutex mutex;
  std::deque<Queued> queue;
  bool wakePending = false;
  std::unordered_map<WindowHandle, Window*> live;  // touched on the UI thread only
  WindowHandle nextHandle = 1;
  std::atomic<Dispatcher*> dispatcher{nullptr};
};

State& S() {
  static State state;
  return state;
}

void Wake(State& s) {
  // Called with the mutex held.
  Dispatcher* d = s.dispatcher.load();
  if (d && !s.wakePending) {
    s.wakePending = true;
    QCoreApplication::postEvent(d, new QEvent(kWakeEvent));
  }
}

void Drain() {
  State& s = S();
  size_t budget;
  {
    std::lock_guard lock(s.mutex);
    s.wakePending = false;
    budget = s.queue.size();
  }
  // Messages posted while draining wait for the next round, so a window that
  // re-posts to itself cannot starve the event loop.
  for (; budget > 0; --budget) {
    Queued m;
    {
      std::lock_guard lock(s.mutex);
      if (s.queue.empty()) break;
      m = std::move(s.queue.front());
      s.queue.pop_front();
    }
    if (m.task) m.task();
    else SendWindowMessage(m.handle, m.message, m.wParam, m.lParam);
  }
  std::lock_guard lock(s.mutex);
  if (!s.queue.empty()) Wake(s);
}

}  // namespace

bool PostWindowMessage(WindowHandle handle, uint32_t message, WPARAM wParam, LPARAM lParam) {
  if (handle == 0) return false;
  State& s = S();
  std::lock_guard lock(s.mutex);
  s.queue.push_back({handle, message, wParam, lParam, {}});
  Wake(s);
  return true;
}

void PostTask(std::function<void()> task) {
  if (!task) return;
  State& s = S();
  std::lock_guard lock(s.mutex);
  s.queue.push_back({0, 0, 0, 0, std::move(task)});
  Wake(s);
}

bool IsUiThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

LRESULT SendWindowMessage(WindowHandle handle, uint32_t message, WPARAM wParam, LPARAM lParam) {
  Window* w = WindowFromHandle(handle);
  return w ? w->Send(message, wParam, lParam) : 0;
}

Window* WindowFromHandle(WindowHandle handle) {
  auto& live = S().live;
  auto it = live.find(handle);
  return it == live.end() ? nullptr : it->second;
}

void PumpMessages() {
  for (int round = 0; round < 100; ++round) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    Drain();
    if (PendingMessageCount() == 0) {
      QCoreApplication::sendPostedEvents();
      if (PendingMessageCount() == 0) return;
    }
  }
}

size_t PendingMessageCount() {
  std::lock_guard lock(S().mutex);
  return S().queue.size();
}

namespace detail {

void EnsureDrainer() {
  State& s = S();
  if (s.dispatcher.load() || !IsUiThread()) return;
  s.dispatcher.store(new Dispatcher);
  std::lock_guard lock(s.mutex);
  if (!s.queue.empty()) Wake(s);
}

WindowHandle RegisterWindow(Window* window) {
  State& s = S();
  EnsureDrainer();
  const WindowHandle h = s.nextHandle++;
  s.live[h] = window;
  return h;
}

void UnregisterWindow(WindowHandle handle) { S().live.erase(handle); }

}  // namespace detail
}  // namespace ui
