#include "ConsonaCord.h"

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
}
