#pragma once
// Headless harness for window tests: makes the application object (offscreen
// unless a platform is set), delivers mouse and key input through the toolkit
// as a user would, pumps queued messages and grabs what windows show.
#include <string>

#include "ui/Image.h"
#include "ui/UiTypes.h"

namespace ui {
class Window;
}

namespace ui::harness {

void EnsureApplication();
void ShowTop(Window& window);  // shows and activates a top-level window
void Pump();

// Points are in the window's client pixels. Input goes to that window (or to
// the window holding the capture), exactly as the toolkit would deliver it.
void MouseDown(Window& w, Point p, MouseButton b = MouseButton::Left);
void MouseUp(Window& w, Point p, MouseButton b = MouseButton::Left);
void MouseMove(Window& w, Point p);
void Click(Window& w, Point p);
// Down, up, double click, up: the sequence of a real double click.
void DoubleClick(Window& w, Point p);
void Wheel(Window& w, int delta, Point p = {});
// The child window (at any depth) under a point of `parent`, shapes honoured;
// `parent` itself when no child is hit.
Window* WindowAt(Window& parent, Point p);
// Clicks whatever lies under the point of `parent`.
void ClickAt(Window& parent, Point p);

// Key input to the focus window (or to `w` when given).
void Key(int vk, Window* w = nullptr);
void Type(const std::string& text, Window* w = nullptr);

// The window with its children as on screen; its own surface is Window::Surface().
Image Grab(Window& w);

}  // namespace ui::harness
