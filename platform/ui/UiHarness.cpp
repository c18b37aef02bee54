#include "ui/UiHarness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include "ui/ImageQt.h"
#include "ui/MessageQueue.h"
#include "ui/Window.h"

namespace ui::harness {
namespace {

void SendMouse(Window& w, QEvent::Type type, Point p, MouseButton b) {
  QWidget* widget = w.Widget();
  if (!widget) return;
  const Qt::MouseButton button = b == MouseButton::Right    ? Qt::RightButton
                                 : b == MouseButton::Middle ? Qt::MiddleButton
                                                            : Qt::LeftButton;
  const QPointF local(p.x, p.y);
  const QPointF global = widget->mapToGlobal(local.toPoint());
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                    ? Qt::MouseButtons()
                                    : Qt::MouseButtons(button);
  QMouseEvent event(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

int QtKey(int vk) {
  switch (vk) {
    case VK_BACK: return Qt::Key_Backspace;
    case VK_TAB: return Qt::Key_Tab;
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    case VK_HOME: return Qt::Key_Home;
    case VK_END: return Qt::Key_End;
    default: return vk;
  }
}

QString KeyText(int vk) {
  switch (vk) {
    case VK_BACK: return QString(QChar(0x08));
    case VK_TAB: return "\t";
    case VK_RETURN: return "\r";
    case VK_ESCAPE: return QString(QChar(0x1B));
    case VK_DELETE: return QString(QChar(0x7F));
    default: return {};
  }
}

QWidget* KeyWidget(Window* w) {
  Window* target = w ? w : Window::Focus();
  return target ? target->KeyTarget() : QApplication::focusWidget();
}

}  // namespace

void EnsureApplication() {
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tintonia";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

void ShowTop(Window& window) {
  if (QWidget* w = window.Widget()) {
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
  }
  Pump();
}

void Pump() { PumpMessages(); }

void MouseDown(Window& w, Point p, MouseButton b) { SendMouse(w, QEvent::MouseButtonPress, p, b); }
void MouseUp(Window& w, Point p, MouseButton b) { SendMouse(w, QEvent::MouseButtonRelease, p, b); }
void MouseMove(Window& w, Point p) { SendMouse(w, QEvent::MouseMove, p, MouseButton::Left); }

void Click(Window& w, Point p) {
  MouseDown(w, p);
  MouseUp(w, p);
}

void DoubleClick(Window& w, Point p) {
  MouseDown(w, p);
  MouseUp(w, p);
  SendMouse(w, QEvent::MouseButtonDblClick, p, MouseButton::Left);
  MouseUp(w, p);
}

void Wheel(Window& w, int delta, Point p) {
  QWidget* widget = w.Widget();
  if (!widget) return;
  const QPointF local(p.x, p.y);
  QWheelEvent event(local, widget->mapToGlobal(local.toPoint()), QPoint(), QPoint(0, delta),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

Window* WindowAt(Window& parent, Point p) {
  QWidget* top = parent.Widget();
  if (!top) return nullptr;
  // Embedded toolkit widgets lead to the Window that holds them.
  QWidget* hit = top->childAt(p.x, p.y);
  Window* owner = hit ? Window::FromWidget(hit) : nullptr;
  return owner ? owner : &parent;
}

void ClickAt(Window& parent, Point p) {
  Window* target = WindowAt(parent, p);
  if (!target || !target->Widget()) return;
  const QPoint local = target->Widget()->mapFrom(parent.Widget(), QPoint(p.x, p.y));
  Click(*target, {local.x(), local.y()});
}

void Key(int vk, Window* w) {
  QWidget* widget = KeyWidget(w);
  if (!widget) return;
  QKeyEvent press(QEvent::KeyPress, QtKey(vk), Qt::NoModifier, KeyText(vk));
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, QtKey(vk), Qt::NoModifier, KeyText(vk));
  QApplication::sendEvent(widget, &release);
}

void Type(const std::string& text, Window* w) {
  for (char c : text) {
    QWidget* widget = KeyWidget(w);
    if (!widget) return;
    const int key = c >= 'a' && c <= 'z' ? c - 'a' + Qt::Key_A : (unsigned char)c;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(c)));
    QApplication::sendEvent(widget, &press);
  }
}

Image Grab(Window& w) {
  if (!w.Widget()) return {};
  w.UpdateWindow();
  return FromQImage(w.Widget()->grab().toImage());
}

}  // namespace ui::harness
