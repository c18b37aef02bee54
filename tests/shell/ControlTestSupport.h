#pragma once
// A parent window that records the notifications its controls send or post.
#include <gtest/gtest.h>

#include <vector>

#include "SkinImage.h"
#include "ui/UiHarness.h"
#include "ui/Window.h"

struct Note {
  uint32_t message;
  ui::WPARAM from;
  ui::LPARAM value;
  friend bool operator==(const Note&, const Note&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Note& n) {
  return os << "{0x" << std::hex << n.message << std::dec << ", " << n.value << "}";
}

class Owner : public ui::Window {
 public:
  std::vector<Note> notes;
  std::vector<int> keys;  // keys that reached this window
  // Notifications from one control, after delivering everything posted.
  std::vector<Note> From(const ui::Window& control) {
    ui::harness::Pump();
    std::vector<Note> out;
    for (const Note& n : notes)
      if (n.from == control.AsWParam()) out.push_back(n);
    return out;
  }

 protected:
  ui::LRESULT OnMessage(uint32_t m, ui::WPARAM w, ui::LPARAM l) override {
    notes.push_back({m, w, l});
    return 0;
  }
  bool OnKeyDown(int vk) override {
    keys.push_back(vk);
    return false;
  }
};

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::harness::EnsureApplication();
    owner.Create({0, 0, 400, 300}, nullptr, ui::WS_POPUP);
    ui::harness::ShowTop(owner);
  }
  static SkinImage Solid(int w, int h, ui::Colour c) {
    SkinImage img;
    img.Create(w, h, 32);
    img.Fill(c);
    return img;
  }
  static constexpr uint32_t kChild = ui::WS_CHILD | ui::WS_VISIBLE;
  Owner owner;
};
