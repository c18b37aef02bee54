#include <cmath>

#include "SkinPaint.h"
#include "SkinParts.h"

using namespace skin;

namespace {

QImage MainBack() {
  QImage img = Canvas(346, 426, kPanel);
  QPainter p(&img);
  p.fillRect(QRect(0, 280, 346, 1), kSeparator);
  // Contrast group.
  Caption(p, 10, 283, 120, "Contrast");
  Label(p, QRect(26, 304, 60, 15), "Auto", Qt::AlignLeft | Qt::AlignVCenter);
  Label(p, QRect(134, 298, 70, 12), "Luminance", Qt::AlignLeft | Qt::AlignVCenter);
  Label(p, QRect(229, 298, 20, 12), "%", Qt::AlignLeft | Qt::AlignVCenter);
  Label(p, QRect(134, 330, 70, 12), "Saturation", Qt::AlignLeft | Qt::AlignVCenter);
  Label(p, QRect(234, 330, 20, 12), "%", Qt::AlignLeft | Qt::AlignVCenter);
  // Quantisation and named colours.
  Caption(p, 9, 341, 255, "Quantize");
  Caption(p, 269, 338, 339, "Named");
  const int radioX[] = {9, 64, 118, 173, 213};
  const char* radioText[] = {"Web", "Table 1", "Table 2", "16 bit", "None"};
  for (int i = 0; i < 5; ++i) Label(p, QRect(radioX[i] + 15, 355, 40, 15), radioText[i]);
  // The scheme bar and the two mix swatches are wells.
  Well(p, QRect(11, 375, 241, 36), QColor(40, 40, 44));
  Well(p, QRect(262, 375, 36, 36), QColor(40, 40, 44));
  return img;
}

QImage ModeBack(int which) {
  QImage img = Canvas(346, 266, kPanel);
  QPainter p(&img);
  if (which == 2) {
    Well(p, QRect(11, 26, 324, 36), QColor(236, 236, 236));
    Label(p, QRect(11, 10, 120, 14), "Current", Qt::AlignLeft | Qt::AlignVCenter, true);
    Label(p, QRect(196, 10, 139, 14), "Start", Qt::AlignRight | Qt::AlignVCenter, true);
    Label(p, QRect(11, 218, 185, 14), "Hue", Qt::AlignLeft | Qt::AlignVCenter, true);
  }
  return img;
}

QImage ChordBack() {
  QImage img = Canvas(333, 640, kPopup);
  QPainter p(&img);
  Caption(p, 6, 3, 240, "Chords");
  Label(p, QRect(265, 1, 68, 15), "Arpeggio");
  p.fillRect(QRect(0, 49, 333, 1), kSeparator);
  return img;
}

QImage KeyboardBack() {
  QImage img = Canvas(325, 226, kPanel);
  QPainter p(&img);
  Caption(p, 8, 3, 180, "Keyboard");
  Label(p, QRect(208, 1, 69, 15), "Arpeggio");
  Label(p, QRect(293, 1, 30, 15), "Mute");
  Label(p, QRect(105, 12, 53, 14), "Root", Qt::AlignLeft | Qt::AlignVCenter, true);
  Label(p, QRect(163, 12, 65, 14), "Chord", Qt::AlignLeft | Qt::AlignVCenter, true);
  Well(p, QRect(9, 53, 308, 119), QColor(120, 120, 124));
  Well(p, QRect(8, 182, 264, 36), QColor(40, 40, 44));
  Well(p, QRect(281, 182, 36, 36), QColor(40, 40, 44));
  return img;
}

// The hue ring on the note hue scale; inside and outside in the panel grey.
QImage Circle(bool hsv) {
  QImage img = Canvas(184, 184, kPanel);
  const double cx = 91, cy = 92, inner = 69, outer = 86;
  for (int y = 0; y < 184; ++y)
    for (int x = 0; x < 184; ++x) {
      // Four samples per pixel for a smooth edge.
      double r = 0, g = 0, b = 0;
      for (int s = 0; s < 4; ++s) {
        const double px = x + 0.25 + 0.5 * (s % 2) - cx, py = y + 0.25 + 0.5 * (s / 2) - cy;
        const double d = std::hypot(px, py);
        QColor c = kPanel;
        if (d >= inner && d <= outer) {
          const double angle = std::fmod(std::atan2(-py, px) * 180.0 / M_PI + 360.0, 360.0);
          c = hsv ? NoteHueColour(angle, 0.5, 1.0) : NoteHueColour(angle, 0.5, 0.85);
        }
        r += c.redF();
        g += c.greenF();
        b += c.blueF();
      }
      img.setPixel(x, y, qRgb(int(r / 4 * 255 + 0.5), int(g / 4 * 255 + 0.5), int(b / 4 * 255 + 0.5)));
    }
  QPainter p(&img);
  Antialiased(p);
  p.setPen(QPen(kEdge, 1));
  p.drawEllipse(QPointF(cx + 0.5, cy + 0.5), outer + 0.5, outer + 0.5);
  p.drawEllipse(QPointF(cx + 0.5, cy + 0.5), inner - 0.5, inner - 0.5);
  Label(p, QRect(int(cx) - 30, int(cy) - 8, 60, 16), hsv ? "HSV" : "HLS", Qt::AlignCenter, true, kInkDisabled);
  return img;
}

QImage PickerBack() {
  QImage img = Canvas(207, 240, kPanel);
  QPainter p(&img);
  Label(p, QRect(11, 12, 75, 20), "New / initial", Qt::AlignLeft | Qt::AlignVCenter);
  Well(p, QRect(88, 12, 108, 20), QColor(236, 236, 236));
  return img;
}

QImage SchemeUp() {
  QImage img = Canvas(420, 93, kPanel);
  QPainter p(&img);
  Caption(p, 10, 6, 410, "Select the coloration area");
  Label(p, QRect(10, 22, 400, 14), "Pick an area of the picture, then the scheme place it belongs to.",
        Qt::AlignLeft | Qt::AlignVCenter, false, QColor(90, 90, 90));
  return img;
}

QImage SchemeDown() {
  QImage img = Canvas(420, 160, kPanel);
  QPainter p(&img);
  p.fillRect(QRect(0, 0, 420, 1), kSeparator);
  Caption(p, 10, 6, 410, "Scheme places");
  return img;
}

QImage FavBack() {
  QImage img = Canvas(352, 640, kPanel);
  QPainter p(&img);
  Caption(p, 90, 6, 340, "Favourite schemes");
  p.fillRect(QRect(0, 24, 352, 1), kSeparator);
  return img;
}

QImage EditTriangle(bool hls) {
  QImage img = Canvas(200, 122, kPanel);
  QPainter p(&img);
  Antialiased(p);
  p.setPen(QPen(kEdge, 1));
  p.setBrush(QColor(236, 236, 236));
  if (hls) p.drawPolygon(QPolygonF({QPointF(38.5, 6.5), QPointF(147.5, 60), QPointF(38.5, 113.5)}));
  else p.drawPolygon(QPolygonF({QPointF(37.5, 5.5), QPointF(145.5, 5.5), QPointF(37.5, 113.5)}));
  Label(p, QRect(4, 0, 32, 14), hls ? "Light" : "Value", Qt::AlignLeft | Qt::AlignVCenter, false, QColor(90, 90, 90), 7.5);
  Label(p, QRect(150, 104, 48, 14), "Sat.", Qt::AlignLeft | Qt::AlignVCenter, false, QColor(90, 90, 90), 7.5);
  return img;
}

QImage EditBar() {
  QImage img = Canvas(200, 122, kPanel);
  QPainter p(&img);
  Label(p, QRect(7, 4, 185, 14), "Tone", Qt::AlignLeft | Qt::AlignVCenter, true);
  Label(p, QRect(7, 63, 185, 14), "Tint / shade", Qt::AlignLeft | Qt::AlignVCenter, true);
  Well(p, QRect(7, 20, 185, 25), QColor(236, 236, 236));
  Well(p, QRect(7, 79, 185, 25), QColor(236, 236, 236));
  return img;
}

}  // namespace

std::vector<NamedImage> Backgrounds() {
  return {{"Back_Main", MainBack()},
          {"Back_Mode_Consona", ModeBack(0)},
          {"Back_Mode_Music", ModeBack(1)},
          {"Back_Mode_Edit", ModeBack(2)},
          {"Back_Chord", ChordBack()},
          {"Back_KeyBoard", KeyboardBack()},
          {"Back_ColorPicker", PickerBack()},
          {"Back_ColorScheme_Up", SchemeUp()},
          {"Back_ColorScheme_Down", SchemeDown()},
          {"Back_Fav", FavBack()},
          {"Circle_HLS", Circle(false)},
          {"Circle_HSV", Circle(true)},
          {"Edit_Hls", EditTriangle(true)},
          {"Edit_Hsv", EditTriangle(false)},
          {"Edit_Bar", EditBar()}};
}
