#pragma once
// Small value types shared by the window layer and its users: rectangles in
// pixels (right and bottom exclusive), points, packed colour values 0x00BBGGRR,
// message parameters of pointer width and the message numbers the program uses.
#include <cstdint>

namespace ui {

using Colour = uint32_t;
using WindowHandle = uintptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

constexpr Colour Rgb(int r, int g, int b) {
  return uint32_t(r & 0xFF) | (uint32_t(g & 0xFF) << 8) | (uint32_t(b & 0xFF) << 16);
}
constexpr int RedOf(Colour c) { return int(c & 0xFF); }
constexpr int GreenOf(Colour c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return int((c >> 16) & 0xFF); }
constexpr Colour kInvalidColour = 0xFFFFFFFF;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Window styles the program passes to Create.
constexpr uint32_t WS_POPUP = 0x80000000;
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_DISABLED = 0x08000000;
constexpr uint32_t WS_CAPTION = 0x00C00000;
constexpr uint32_t WS_SYSMENU = 0x00080000;
constexpr uint32_t WS_THICKFRAME = 0x00040000;

// Messages. Private messages start at WM_USER.
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_USER = 0x0400;
constexpr uint16_t CBN_SELCHANGE = 1;
constexpr uint16_t LBN_SELCHANGE = 1;

constexpr WPARAM MakeWParam(uint16_t low, uint16_t high) { return WPARAM(low) | (WPARAM(high) << 16); }

// Key codes handed to OnKeyDown.
enum Key : int {
  VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
  VK_MENU = 0x12, VK_ESCAPE = 0x1B, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27,
  VK_DOWN = 0x28, VK_DELETE = 0x2E, VK_HOME = 0x24, VK_END = 0x23
};

enum class MouseButton { Left, Right, Middle };

}  // namespace ui
