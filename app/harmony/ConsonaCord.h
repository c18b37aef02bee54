#pragma once
// CConsonaCord: the harmony chord window, the mode window of ModeChord. This
// first version shows its background and the colour circle and makes the
// scheme of the first chord of a note count; the chord list, the piano and the
// circle's handling come with the full window.
#include <string>

#include "ui/Window.h"

class CConsonaCord : public ui::Window {
 public:
  // Makes chord 0 of `noteCount` notes the scheme (chordColors, schemeColors,
  // chordOctaveColors, referenceColors) at base hue 0, lightness 127.5 and
  // saturation 255. Unknown counts leave the scheme alone.
  void ShowFirstChord(int noteCount);
  void Reset() { ShowFirstChord(2); }
  int NoteCount() const { return noteCount_; }
  const std::string& Label() const { return label_; }

 protected:
  void OnPaint(ui::DeviceContext& dc) override;

 private:
  // The first scheme colour in HSV, RGB, CMYK and hexadecimal.
  void DrawValues(ui::DeviceContext& dc) const;

  int noteCount_ = 2;
  std::string label_ = "0\xCB\x9A" "C-Major2nd";
};
