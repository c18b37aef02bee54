#include "ConsonaCord.h"

#include <cstdio>
#include <vector>

#include "ColorSystem.h"
#include "ControlImages.h"
#include "ControlMessages.h"
#include "SchemeState.h"
#include "SetupData.h"
#include "ShellObjects.h"
#include "SkinArchive.h"
#include "SkinImage.h"

void CConsonaCord::ShowFirstChord(int noteCount) {
  ShellObjects& shell = Shell();
  if (!shell.setup || !shell.colors || noteCount < kMinChordNotes || noteCount > kMaxChordNotes) return;
  std::vector<ChordDef> chords;
  shell.setup->GetChords(noteCount, chords);
  if (chords.empty()) return;
  const ChordDef& chord = chords.front();
  constexpr float kBaseHue = 0, kLightness = 127.5f, kSaturation = 255;
  SchemeState& s = Scheme();
  for (int i = 0; i < noteCount && i < 7; ++i) {
    int h = chord.hue[i] + int(kBaseHue);
    int octave = chord.octave[i];
    if (h >= 360) {
      h -= 360;
      ++octave;
    }
    const uint32_t colour = shell.colors->HHlsToRgb(float(h), float((octave % 5) * 10) + kLightness, kSaturation, 255);
    const uint32_t octaveColour = shell.colors->OctaveToColor(h / 30.0 + 0.00005, octave % 5);
    s.chordColors[i] = s.schemeColors[i] = colour;
    s.chordOctaveColors[i] = s.referenceColors[i] = octaveColour;
  }
  noteCount_ = noteCount;
  label_ = std::string("0\xCB\x9A" "C-") + chord.name;
  Invalidate();
}

void CConsonaCord::OnPaint(ui::DeviceContext& dc) {
  const ui::Rect client = ClientRect();
  DrawSkinBackground(dc, "Back_Mode_Consona", client.Width(), client.Height());
  SkinArchive& archive = SkinArchive::Instance();
  archive.Load(Scheme().ImageFolder() + "Image2.cif", "Circle_HLS");
  SkinImage circle;
  if (circle.CopyBitmap(archive.Get(""))) circle.DrawTransparent(dc, kSkinKey, 11, 26);
  ControlImage("CHORDLIST_OFF").DrawTransparent(dc, kSkinKey, 10, 220);
  ControlImage("KEYBOARD_OFF").DrawTransparent(dc, kSkinKey, 307, 232);
  const auto dash = label_.rfind('-');
  dc.SetFont("Arial", 9);
  dc.SetTextColor(ui::Rgb(51, 51, 51));
  dc.SetBkMode(ui::BkMode::Transparent);
  dc.DrawText(label_.substr(0, dash), {53, 221, 90, 234}, ui::DT_RIGHT | ui::DT_VCENTER | ui::DT_SINGLELINE);
  dc.DrawText(label_.substr(dash + 1), {92, 221, 168, 234}, ui::DT_LEFT | ui::DT_VCENTER | ui::DT_SINGLELINE);
  DrawValues(dc);
}

void CConsonaCord::DrawValues(ui::DeviceContext& dc) const {
  ColorSystem* colors = Shell().colors.get();
  if (!colors) return;
  const uint32_t colour = Scheme().schemeColors[0];
  const HSVINFO hsv = colors->RgbToHHsv(colour, 255);
  const CMYKINFO cmyk = colors->RgbToCmyk(colour);
  const int r = int(colour & 0xFF), g = int((colour >> 8) & 0xFF), b = int((colour >> 16) & 0xFF);
  struct Field {
    const char* name;
    int x, y, value;
  };
  const Field fields[] = {
      {"H", 224, 54, int(hsv.hue) % 360}, {"S", 224, 75, int(hsv.saturation * 100 / 255 + 0.5f)},
      {"V", 224, 96, int(hsv.value * 100 / 255 + 0.5f)}, {"R", 224, 121, r}, {"G", 224, 142, g},
      {"B", 224, 163, b}, {"C", 301, 121, int(cmyk.cyan + 0.5f)}, {"M", 301, 142, int(cmyk.magenta + 0.5f)},
      {"Y", 301, 163, int(cmyk.yellow + 0.5f)}, {"K", 301, 184, int(cmyk.black + 0.5f)},
  };
  dc.SetFont("Arial", 8);
  dc.SetBkMode(ui::BkMode::Transparent);
  auto well = [&](const ui::Rect& rect, const std::string& text) {
    dc.FillSolidRect(rect, ui::Rgb(250, 250, 250));
    dc.FillSolidRect({rect.left, rect.top, rect.right, rect.top + 1}, ui::Rgb(160, 160, 160));
    dc.FillSolidRect({rect.left, rect.top, rect.left + 1, rect.bottom}, ui::Rgb(160, 160, 160));
    dc.SetTextColor(ui::Rgb(51, 51, 51));
    dc.DrawText(text, {rect.left, rect.top, rect.right - 2, rect.bottom}, ui::DT_RIGHT | ui::DT_VCENTER | ui::DT_SINGLELINE);
  };
  for (const Field& f : fields) {
    dc.SetTextColor(ui::Rgb(90, 90, 90));
    dc.DrawText(f.name, {f.x - 16, f.y, f.x - 3, f.y + 14}, ui::DT_RIGHT | ui::DT_VCENTER | ui::DT_SINGLELINE);
    well({f.x, f.y, f.x + 26, f.y + 14}, std::to_string(f.value));
  }
  char hex[8];
  std::snprintf(hex, sizeof hex, "%02X%02X%02X", r, g, b);
  dc.SetTextColor(ui::Rgb(90, 90, 90));
  dc.DrawText("#", {208, 188, 221, 202}, ui::DT_RIGHT | ui::DT_VCENTER | ui::DT_SINGLELINE);
  well({224, 188, 267, 202}, hex);
}
