#pragma once
// Window: the base of every window and control. It owns a toolkit widget placed
// by a rectangle in its parent's client pixels, a 32-bit drawing surface of the
// client size, its timers and its registry handle. Input arrives through the
// virtual handlers below; messages through OnMessage. While a window holds the
// mouse capture it receives every mouse event, wherever the pointer is. A
// disabled window receives no mouse or key input and loses the capture.
// Destroying a window (or its parent) unregisters its handle, so messages
// posted to it afterwards are dropped. A created window also has a handle in
// the toolkit-free message layer (CoreHandle), for the plug-ins.
#include <map>
#include <memory>
#include <string>

#include "ui/DeviceContext.h"
#include "ui/Image.h"
#include "ui/UiTypes.h"

class QWidget;
struct TnaWindowHandle;

namespace ui {

class Region;
class WindowWidget;

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // rect is in the parent's client pixels (screen pixels for a top-level window).
  bool Create(const Rect& rect, Window* parent, uint32_t style, const std::string& name = {});
  void Destroy();
  bool IsCreated() const { return widget_ != nullptr; }
  WindowHandle Handle() const { return handle_; }
  // The window's handle for tna::PostMessage and the plug-ins; null until created.
  TnaWindowHandle* CoreHandle() const { return coreHandle_; }
  Window* Parent() const { return parent_; }
  const std::string& Name() const { return name_; }

  void Show(bool show);  // never activates
  bool IsVisible() const;
  void EnableWindow(bool enable);
  bool IsWindowEnabled() const;
  void MoveWindow(const Rect& rect);
  Rect WindowRect() const;  // in parent client pixels
  Rect ClientRect() const;  // (0, 0, width, height)
  void SetWindowText(const std::string& text);
  std::string WindowText() const;
  void SetWindowRgn(const Region& region);

  void SetFocus();
  bool HasFocus() const { return focus_ == this; }
  static Window* Focus() { return focus_; }
  void SetCapture();
  void ReleaseCapture();
  bool HasCapture() const { return capture_ == this; }
  static Window* Capture() { return capture_; }

  LRESULT Send(uint32_t message, WPARAM wParam, LPARAM lParam) { return OnMessage(message, wParam, lParam); }
  bool Post(uint32_t message, WPARAM wParam, LPARAM lParam);
  // Sends or posts to the parent with wParam = this window.
  LRESULT NotifyParent(uint32_t message, LPARAM lParam);
  void PostParent(uint32_t message, LPARAM lParam);
  WPARAM AsWParam() const { return reinterpret_cast<WPARAM>(this); }

  void SetTimer(uint32_t id, unsigned periodMs);
  void KillTimer(uint32_t id);

  // Marks the client for repainting through OnPaint; UpdateWindow paints now.
  void Invalidate();
  void UpdateWindow();
  // A context drawing straight onto the client surface; call Present() when done.
  DeviceContext ClientDc() { return DeviceContext(surface_); }
  void Present();
  const Image& Surface() const { return surface_; }

  QWidget* Widget() const;
  // The Window owning a widget (or the nearest Window above it), or null.
  static Window* FromWidget(QWidget* widget);
  // Where key input goes (the widget or the control embedded in it).
  QWidget* KeyTarget() const;

  // Called by the toolkit glue; not for general use.
  void DispatchMouse(int kind, Point p, MouseButton button, int wheelDelta);
  bool DispatchKey(int vk, const std::u32string& text);
  void DispatchTimer(int nativeId);
  void DispatchFocus(bool gained);
  void PaintNow();
  void ResizeSurface(int width, int height);
  void ForgetWidget();  // the widget is being deleted by its parent

 protected:
  void SetAcceptsDoubleClicks(bool accept) { acceptsDoubleClicks_ = accept; }

  virtual LRESULT OnMessage(uint32_t message, WPARAM wParam, LPARAM lParam);
  virtual void OnCreate() {}
  virtual void OnPaint(DeviceContext& /*dc*/) {}
  virtual void OnMouseDown(Point /*p*/, MouseButton /*button*/) {}
  virtual void OnMouseUp(Point /*p*/, MouseButton /*button*/) {}
  virtual void OnDoubleClick(Point /*p*/, MouseButton /*button*/) {}
  virtual void OnMouseMove(Point /*p*/) {}
  virtual void OnMouseWheel(int /*delta*/, Point /*p*/) {}
  // Return true when the key was used.
  virtual bool OnKeyDown(int /*vk*/) { return false; }
  virtual void OnChar(char32_t /*ch*/) {}
  virtual void OnTimer(uint32_t /*id*/) {}
  virtual void OnSetFocus() {}
  virtual void OnKillFocus() {}
  virtual void OnCaptureLost() {}
  virtual void OnSize(int /*width*/, int /*height*/) {}
  // Lets a derived window put its own widget where the input goes.
  void SetKeyTarget(QWidget* target) { keyTarget_ = target; }

 private:
  static void ChangeFocus(Window* to);

  WindowWidget* widget_ = nullptr;
  QWidget* keyTarget_ = nullptr;
  Window* parent_ = nullptr;
  WindowHandle handle_ = 0;
  TnaWindowHandle* coreHandle_ = nullptr;
  std::string name_;
  Image surface_;
  bool dirty_ = true;
  bool acceptsDoubleClicks_ = false;
  std::map<uint32_t, int> timers_;  // our id -> toolkit id
  static inline Window* focus_ = nullptr;
  static inline Window* capture_ = nullptr;
};

}  // namespace ui
