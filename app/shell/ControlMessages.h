#pragma once
// Notifications the skinned controls (and a few windows) send to their parent.
// wParam is always the sender; the numbering starts at WM_USER + 2000.
#include <cstdint>

constexpr uint32_t CSN_BUTTON_CLICKED = 0x0BD0;
constexpr uint32_t CSN_CHECK_CHANGED = 0x0BD1;
constexpr uint32_t CSN_EDIT_CHANGED = 0x0BD2;
constexpr uint32_t CSN_PIANO_KEY = 0x0BD3;
constexpr uint32_t CSN_SCROLL_MOVED = 0x0BD4;
constexpr uint32_t CSN_SCROLL_CLICKED = 0x0BD5;
constexpr uint32_t CSN_SLIDER_MOVED = 0x0BD6;
// A push button's press ended (released anywhere, or dropped by disabling);
// lParam 1 when the release was a click. Owners stop repeats they started.
constexpr uint32_t CSN_BUTTON_RELEASED = 0x0BD7;
constexpr uint32_t CSN_CHECK_DBLCLK = 0x0BD9;
constexpr uint32_t CSN_SPACE_CHANGED = 0x0BDA;
constexpr uint32_t CSN_CHORD_PICKED = 0x0BDB;
constexpr uint32_t CSN_CHECK_ALT = 0x0BDC;
constexpr uint32_t CSN_ADJUST_CHANGED = 0x0BDD;
constexpr uint32_t CSN_BUTTON_PRESSED = 0x0FB7;

// The transparent key of every skin picture: pure blue.
constexpr uint32_t kSkinKey = 0xFF0000;
// The grey of every panel.
constexpr uint32_t kPanelGrey = 0xDFDFDF;
