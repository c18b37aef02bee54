#include "ui/Window.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWidget>

#include "ui/CoreMessages.h"
#include "ui/ImageQt.h"
#include "ui/MessageQueue.h"
#include "ui/RegionQt.h"

namespace ui {

enum MouseKind { kDown, kUp, kDouble, kMove, kWheel };

// The toolkit side of a Window: forwards input and paints the surface.
class WindowWidget : public QWidget {
 public:
  WindowWidget(Window* owner, QWidget* parent, Qt::WindowFlags flags)
      : QWidget(parent, flags), owner_(owner) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
  }
  ~WindowWidget() override;
  void Detach() { owner_ = nullptr; }
  Window* Owner() const { return owner_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!owner_) return;
    owner_->PaintNow();
    QPainter painter(this);
    painter.drawImage(0, 0, ToQImage(owner_->Surface(), true));
  }
  void resizeEvent(QResizeEvent*) override {
    if (owner_) owner_->ResizeSurface(width(), height());
  }
  void mousePressEvent(QMouseEvent* e) override { Mouse(kDown, e); }
  void mouseReleaseEvent(QMouseEvent* e) override { Mouse(kUp, e); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { Mouse(kDouble, e); }
  void mouseMoveEvent(QMouseEvent* e) override { Mouse(kMove, e); }
  void wheelEvent(QWheelEvent* e) override {
    if (!owner_) return;
    const QPoint p = e->position().toPoint();
    owner_->DispatchMouse(kWheel, {p.x(), p.y()}, MouseButton::Left, e->angleDelta().y());
    e->accept();
  }
  // Tab is a key like any other for our windows.
  bool focusNextPrevChild(bool) override { return false; }
  void keyPressEvent(QKeyEvent* e) override {
    if (owner_ && owner_->DispatchKey(e->key(), e->text().toStdU32String())) e->accept();
    else e->ignore();
  }
  void focusInEvent(QFocusEvent*) override {
    if (owner_) owner_->DispatchFocus(true);
  }
  void focusOutEvent(QFocusEvent* e) override {
    if (owner_ && e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
      owner_->DispatchFocus(false);
  }
  void timerEvent(QTimerEvent* e) override {
    if (owner_) owner_->DispatchTimer(e->timerId());
  }

 private:
  void Mouse(int kind, QMouseEvent* e) {
    if (!owner_) return;
    const QPoint p = e->position().toPoint();
    const MouseButton b = e->button() == Qt::RightButton    ? MouseButton::Right
                          : e->button() == Qt::MiddleButton ? MouseButton::Middle
                                                            : MouseButton::Left;
    owner_->DispatchMouse(kind, {p.x(), p.y()}, b, 0);
    e->accept();
  }
  Window* owner_;
};

WindowWidget::~WindowWidget() {
  // The toolkit deletes child widgets with their parent; the owning Window
  // must then forget its widget and its handle.
  if (owner_) owner_->ForgetWidget();
}

namespace {

int VirtualKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    default:
      if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
      if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
      return 0;
  }
}

}  // namespace

Window::Window() = default;

Window::~Window() { Destroy(); }

bool Window::Create(const Rect& rect, Window* parent, uint32_t style, const std::string& name) {
  if (widget_) return false;
  parent_ = parent;
  name_ = name;
  Qt::WindowFlags flags = Qt::Widget;
  QWidget* parentWidget = parent && (style & WS_CHILD) ? parent->Widget() : nullptr;
  if (!parentWidget) {
    flags = Qt::Window;
    if (!(style & WS_CAPTION)) flags |= Qt::FramelessWindowHint;
  }
  widget_ = new WindowWidget(this, parentWidget, flags);
  keyTarget_ = nullptr;
  widget_->setGeometry(rect.left, rect.top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
  ResizeSurface(std::max(rect.Width(), 0), std::max(rect.Height(), 0));
  handle_ = detail::RegisterWindow(this);
  coreHandle_ = detail::RegisterCoreWindow(this);
  if (style & WS_DISABLED) widget_->setEnabled(false);
  OnCreate();
  if (style & WS_VISIBLE) widget_->show();
  return true;
}

void Window::Destroy() {
  if (!widget_) return;
  WindowWidget* w = widget_;
  ForgetWidget();
  w->Detach();
  delete w;
}

void Window::ForgetWidget() {
  if (!widget_) return;
  for (auto& [id, native] : timers_) widget_->killTimer(native);
  timers_.clear();
  if (focus_ == this) focus_ = nullptr;
  if (capture_ == this) capture_ = nullptr;
  detail::UnregisterWindow(handle_);
  handle_ = 0;
  detail::UnregisterCoreWindow(coreHandle_);
  coreHandle_ = nullptr;
  widget_ = nullptr;
  keyTarget_ = nullptr;
}

QWidget* Window::Widget() const { return widget_; }

Window* Window::FromWidget(QWidget* widget) {
  for (QWidget* w = widget; w; w = w->parentWidget())
    if (auto* ww = dynamic_cast<WindowWidget*>(w)) return ww->Owner();
  return nullptr;
}
QWidget* Window::KeyTarget() const { return keyTarget_ ? keyTarget_ : widget_; }

void Window::Show(bool show) {
  if (widget_) widget_->setVisible(show);
}
bool Window::IsVisible() const { return widget_ && widget_->isVisible(); }

void Window::EnableWindow(bool enable) {
  if (!widget_) return;
  widget_->setEnabled(enable);
  if (!enable && capture_ == this) {
    capture_ = nullptr;
    OnCaptureLost();
  }
}
bool Window::IsWindowEnabled() const { return widget_ && widget_->isEnabled(); }

void Window::MoveWindow(const Rect& r) {
  if (widget_) widget_->setGeometry(r.left, r.top, std::max(r.Width(), 0), std::max(r.Height(), 0));
}

Rect Window::WindowRect() const {
  if (!widget_) return {};
  const QRect g = widget_->geometry();
  return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

Rect Window::ClientRect() const {
  return widget_ ? Rect{0, 0, widget_->width(), widget_->height()} : Rect{};
}

void Window::SetWindowText(const std::string& text) {
  if (widget_) widget_->setWindowTitle(QString::fromStdString(text));
}
std::string Window::WindowText() const {
  return widget_ ? widget_->windowTitle().toStdString() : std::string();
}

void Window::SetWindowRgn(const Region& region) {
  if (widget_) widget_->setMask(region.Native());
}

void Window::ChangeFocus(Window* to) {
  if (focus_ == to) return;
  Window* old = focus_;
  focus_ = to;
  if (old) old->OnKillFocus();
  if (to && focus_ == to) to->OnSetFocus();
}

void Window::SetFocus() {
  if (!widget_) return;
  ChangeFocus(this);
  QWidget* target = KeyTarget();
  if (target->focusPolicy() == Qt::NoFocus) target->setFocusPolicy(Qt::ClickFocus);
  target->setFocus(Qt::OtherFocusReason);
}

void Window::SetCapture() {
  if (capture_ == this || !widget_) return;
  Window* old = capture_;
  capture_ = this;
  if (old) old->OnCaptureLost();
}

void Window::ReleaseCapture() {
  if (capture_ == this) capture_ = nullptr;
}

bool Window::Post(uint32_t message, WPARAM wParam, LPARAM lParam) {
  return PostWindowMessage(handle_, message, wParam, lParam);
}

LRESULT Window::NotifyParent(uint32_t message, LPARAM lParam) {
  return parent_ && parent_->IsCreated() ? parent_->Send(message, AsWParam(), lParam) : 0;
}

void Window::PostParent(uint32_t message, LPARAM lParam) {
  if (parent_) PostWindowMessage(parent_->Handle(), message, AsWParam(), lParam);
}

void Window::SetTimer(uint32_t id, unsigned periodMs) {
  if (!widget_) return;
  KillTimer(id);
  timers_[id] = widget_->startTimer(int(std::max(1u, periodMs)));
}

void Window::KillTimer(uint32_t id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  if (widget_) widget_->killTimer(it->second);
  timers_.erase(it);
}

void Window::Invalidate() {
  dirty_ = true;
  if (widget_) widget_->update();
}

void Window::UpdateWindow() {
  PaintNow();
  if (widget_) widget_->update();
}

void Window::Present() {
  if (widget_) widget_->update();
}

void Window::PaintNow() {
  if (!dirty_ || !surface_.IsValid()) return;
  dirty_ = false;
  DeviceContext dc(surface_);
  OnPaint(dc);
}

void Window::ResizeSurface(int width, int height) {
  if (surface_.Width() == width && surface_.Height() == height) return;
  Image fresh;
  fresh.Create(width, height);
  if (surface_.IsValid() && fresh.IsValid()) DeviceContext(fresh).BitBlt(0, 0, width, height, surface_, 0, 0);
  surface_ = std::move(fresh);
  dirty_ = true;
  OnSize(width, height);
}

LRESULT Window::OnMessage(uint32_t, WPARAM, LPARAM) { return 0; }

void Window::DispatchMouse(int kind, Point p, MouseButton button, int wheelDelta) {
  if (!widget_ || !IsWindowEnabled()) return;
  if (capture_ && capture_ != this && capture_->widget_ && kind != kWheel) {
    const QPoint global = widget_->mapToGlobal(QPoint(p.x, p.y));
    const QPoint local = capture_->widget_->mapFromGlobal(global);
    Window* target = capture_;
    if (target->IsWindowEnabled()) target->DispatchMouse(kind, {local.x(), local.y()}, button, wheelDelta);
    return;
  }
  switch (kind) {
    case kDown: OnMouseDown(p, button); break;
    case kUp: OnMouseUp(p, button); break;
    case kDouble:
      if (acceptsDoubleClicks_) OnDoubleClick(p, button);
      else OnMouseDown(p, button);
      break;
    case kMove: OnMouseMove(p); break;
    case kWheel: {
      Window* target = focus_ && focus_->IsWindowEnabled() ? focus_ : this;
      target->OnMouseWheel(wheelDelta, p);
      break;
    }
  }
}

bool Window::DispatchKey(int qtKey, const std::u32string& text) {
  if (!widget_ || !IsWindowEnabled()) return false;
  if (OnKeyDown(VirtualKey(qtKey))) return true;
  bool used = false;
  for (char32_t ch : text) {
    if (ch < 0x20 || ch == 0x7F) continue;
    OnChar(ch);
    used = true;
  }
  return used;
}

void Window::DispatchTimer(int nativeId) {
  for (auto& [id, native] : timers_)
    if (native == nativeId) {
      OnTimer(id);
      return;
    }
}

void Window::DispatchFocus(bool gained) {
  if (gained) ChangeFocus(this);
  else if (focus_ == this) ChangeFocus(nullptr);
}

}  // namespace ui
