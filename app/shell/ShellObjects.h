#pragma once
// The program-wide objects the main window makes while it is created and
// releases at shutdown: the colour model, the setup data and the chord icons.
// Every window reaches them through Shell(); each pointer is null outside the
// main window's lifetime.
#include <memory>

class ColorSystem;
class ConsonaSystem;
class CSetupData;
class ChordIcons;

struct ShellObjects {
  std::unique_ptr<ConsonaSystem> consona;
  std::unique_ptr<ColorSystem> colors;
  std::unique_ptr<CSetupData> setup;
  std::unique_ptr<ChordIcons> chordIcons;

  ShellObjects();
  ~ShellObjects();
  void Release();
};

ShellObjects& Shell();

// Paints the background picture `name` of the archive "Image2.cif" in the
// image folder at (0, 0), over the panel grey. False when the picture is
// missing (the grey stays).
namespace ui {
class DeviceContext;
}
bool DrawSkinBackground(ui::DeviceContext& dc, const char* name, int width, int height);
