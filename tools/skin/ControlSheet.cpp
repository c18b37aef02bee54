#include <QPainterPath>
#include <cmath>

#include "SkinPaint.h"
#include "SkinParts.h"

using namespace skin;

namespace {

QImage Button(int w, int h, State state, Glyph glyph, const QString& text = {}) {
  QImage img = Canvas(w, h, kPanel);
  QPainter p(&img);
  Surface(p, QRectF(0, 0, w, h), state);
  if (text.isEmpty()) {
    const qreal g = std::min(16, std::min(w, h) - 6);
    DrawGlyph(p, glyph, QRectF((w - g) / 2.0, (h - g) / 2.0, g, g), state);
  } else {
    const int g = std::min(14, h - 8);
    DrawGlyph(p, glyph, QRectF(7, (h - g) / 2.0, g, g), state);
    Label(p, QRect(7 + g + 4, 0, w - g - 13, h), text, Qt::AlignLeft | Qt::AlignVCenter, false, GlyphColour(state));
  }
  return img;
}

QImage TextButton(int w, int h, State state, const QString& text) {
  QImage img = Canvas(w, h, kPanel);
  QPainter p(&img);
  Surface(p, QRectF(0, 0, w, h), state);
  Label(p, QRect(0, 0, w, h), text, Qt::AlignCenter, true, GlyphColour(state), 8.5);
  return img;
}

// The mode tab strip with one tab active, joined to the panel below.
QImage TabStrip(int active) {
  const int w = 342, h = 14;
  const int left[] = {0, 98, 163}, right[] = {103, 167, 237};
  const char* names[] = {"Harmony chord", "By music", "Colour edit"};
  QImage img = Canvas(w, h, kPanel);
  QPainter p(&img);
  Antialiased(p);
  p.fillRect(QRect(0, h - 1, w, 1), kEdge);
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < 3; ++i) {
      const bool on = i == active;
      if ((pass == 1) != on) continue;
      const QRectF r(left[i] + 0.5, 0.5, right[i] - left[i] - 1, h + 3);
      QPainterPath path;
      path.addRoundedRect(r, 3, 3);
      p.save();
      p.setClipRect(QRect(left[i], 0, right[i] - left[i], on ? h : h - 1));
      p.setBrush(on ? kPanel : QColor(232, 232, 232));
      p.setPen(kEdge);
      p.drawPath(path);
      p.restore();
      if (on) p.fillRect(QRect(left[i] + 3, 1, right[i] - left[i] - 6, 2), kAccent);
      Label(p, QRect(left[i], 1, right[i] - left[i], h - 1), names[i], Qt::AlignCenter, on, on ? kInk : QColor(90, 90, 90), 8);
    }
  return img;
}

QImage Radio(State state) {
  QImage img = Canvas(13, 13, kPanel);
  QPainter p(&img);
  Antialiased(p);
  p.setPen(QPen(state == State::Disabled ? QColor(190, 190, 190) : kEdge, 1));
  p.setBrush(kField);
  p.drawEllipse(QRectF(0.5, 0.5, 12, 12));
  if (state == State::On) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(3.5, 3.5, 6, 6));
  }
  return img;
}

QImage CheckBox(State state, bool ticked) {
  QImage img = Canvas(13, 13, kPanel);
  QPainter p(&img);
  Antialiased(p);
  p.setPen(QPen(state == State::Disabled ? QColor(190, 190, 190) : kEdge, 1));
  p.setBrush(state == State::Disabled ? QColor(236, 236, 236) : kField);
  p.drawRoundedRect(QRectF(0.5, 0.5, 12, 12), 2, 2);
  if (ticked) DrawGlyph(p, Glyph::Check, QRectF(0, 0, 13, 13), state == State::Disabled ? State::Disabled : State::On);
  return img;
}

QImage Marker(int size, bool filled, bool triangle) {
  QImage img = Canvas(size, size, kKey);
  QPainter p(&img);
  // Drawn without smoothing: edge pixels mixed with the key would show blue.
  const QColor ink(40, 40, 44);
  if (triangle) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygon({QPoint(0, 0), QPoint(size - 1, 0), QPoint(size / 2, size - 1)}));
    p.setBrush(QColor(250, 250, 248));
    p.drawPolygon(QPolygon({QPoint(2, 1), QPoint(size - 3, 1), QPoint(size / 2, size - 4)}));
    return img;
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QRect(0, 0, size, size));
  p.setBrush(filled ? QColor(250, 250, 248) : QColor(200, 200, 200));
  p.drawEllipse(QRect(2, 2, size - 4, size - 4));
  if (filled) {
    p.setBrush(ink);
    p.drawEllipse(QRect(size / 2 - 1, size / 2 - 1, 3, 3));
  }
  return img;
}

QImage Groove(int w) {
  QImage img = Canvas(w, 6, kPanel);
  QPainter p(&img);
  p.fillRect(QRect(1, 1, w - 2, 4), QColor(205, 205, 205));
  p.fillRect(QRect(1, 1, w - 2, 1), QColor(160, 160, 160));
  p.fillRect(QRect(1, 5, w - 2, 1), QColor(244, 244, 244));
  return img;
}

QImage Thumb(bool enabled) {
  QImage img = Canvas(10, 10, kPanel);
  QPainter p(&img);
  Surface(p, QRectF(0, 0, 10, 10), enabled ? State::Off : State::Disabled, 2);
  p.fillRect(QRect(5, 3, 1, 4), enabled ? kAccent : kInkDisabled);
  return img;
}

QImage LimitMark(bool right) {
  QImage img = Canvas(9, 5, kPanel);
  QPainter p(&img);
  Antialiased(p);
  p.setPen(Qt::NoPen);
  p.setBrush(right ? kAccent : kEdge);
  p.drawPolygon(QPolygonF({QPointF(0.5, 0), QPointF(8.5, 0), QPointF(4.5, 4.5)}));
  return img;
}

QImage HueBand(int w, int h) {
  QImage img = Canvas(w, h, kPanel);
  QPainter p(&img);
  for (int x = 0; x < w; ++x) p.fillRect(QRect(x, 1, 1, h - 2), NoteHueColour(360.0 * x / (w - 1)));
  p.setPen(kEdge);
  p.drawRect(QRect(0, 0, w - 1, h - 1));
  return img;
}

QImage WellStrip(int w, int h, bool withSlots, const QString& caption = {}) {
  QImage img = Canvas(w, h, kPanel);
  QPainter p(&img);
  if (!caption.isEmpty()) Label(p, QRect(4, 0, w, 12), caption, Qt::AlignLeft | Qt::AlignVCenter, true);
  const int top = caption.isEmpty() ? 1 : 13;
  Well(p, QRect(1, top, w - 2, h - top - 1), withSlots ? QColor(238, 238, 238) : QColor(236, 236, 236));
  if (withSlots)
    for (int i = 1; i < 7; ++i) p.fillRect(QRect(1 + (w - 2) * i / 7, top + 2, 1, h - top - 5), kSeparator);
  return img;
}

QImage Swatch(int w, int h) {
  QImage img = Canvas(w, h, kPanel);
  QPainter p(&img);
  Surface(p, QRectF(0, 0, w, h), State::Off);
  p.fillRect(QRect(3, 3, 22, 21), kKey);  // where the paint colour shows
  p.fillRect(QRect(2, 2, 24, 1), QColor(150, 150, 150));
  p.fillRect(QRect(2, 2, 1, 23), QColor(150, 150, 150));
  return img;
}

QImage ChordCell(bool on) {
  QImage img = Canvas(110, 49, kPopup);
  QPainter p(&img);
  Antialiased(p);
  p.setPen(on ? QColor(130, 140, 170) : QColor(200, 200, 200));
  p.setBrush(on ? QColor(214, 218, 230) : kPopup);
  p.drawRoundedRect(QRectF(1.5, 1.5, 107, 46), 3, 3);
  // The name sits on the popup grey at (28, 6).
  p.fillRect(QRect(27, 5, 78, 16), kPopup);
  if (on) p.fillRect(QRect(4, 4, 3, 41), kAccent);
  return img;
}

QImage ChordList(State state) {
  QImage img = Canvas(37, 37, kPanel);
  QPainter p(&img);
  Surface(p, QRectF(0, 0, 37, 37), state);
  DrawGlyph(p, Glyph::Notes, QRectF(10, 10, 17, 17), state);
  return img;
}

// White key shapes: 1 = C/F (notch right), 2 = D/G/A (both), 3 = E/B (notch left).
QImage PianoKey(int shape, bool down) {
  QImage img = Canvas(22, 119, kKey);
  QPainter p(&img);
  QPainterPath path;
  const int l = shape == 1 ? 0 : 7, r = shape == 3 ? 22 : 14;
  path.addRect(QRectF(l, 0, r - l, 119));
  path.addRect(QRectF(0, 70, 22, 49));
  path.setFillRule(Qt::WindingFill);
  path = path.simplified();
  const QColor face = down ? QColor(214, 220, 238) : QColor(250, 250, 248);
  p.fillPath(path, face);
  // A faint shadow at the bottom and a 1 px outline.
  for (int i = 0; i < 6; ++i) p.fillRect(QRect(1, 112 + i, 20, 1), face.darker(100 + 3 * i));
  p.setPen(QColor(160, 160, 160));
  p.drawLine(0, 70, 0, 118);
  p.drawLine(21, 70, 21, 118);
  p.drawLine(0, 118, 21, 118);
  // Upper edges that meet a black key need no line of their own; the face
  // colour at (7, 5) is also the background of the key's number label.
  if (shape == 1) p.drawLine(0, 0, 0, 70);
  if (shape == 3) p.drawLine(21, 0, 21, 70);
  return img;
}

QImage BlackKey(bool down) {
  QImage img = Canvas(15, 70, QColor(40, 40, 44));
  QPainter p(&img);
  p.fillRect(QRect(2, 0, 11, 64), down ? QColor(52, 60, 92) : QColor(58, 58, 64));
  p.fillRect(QRect(2, 64, 11, 4), down ? QColor(70, 80, 120) : QColor(80, 80, 86));
  return img;
}

QImage MusicBar() {
  QImage img = Canvas(330, 20, kPanel);
  QPainter p(&img);
  Well(p, QRect(1, 1, 328, 18), QColor(40, 40, 44));
  return img;
}

}  // namespace

std::vector<NamedImage> ControlPieces() {
  std::vector<NamedImage> v;
  auto add = [&](const char* key, QImage img) { v.push_back({key, std::move(img)}); };
  add("CONSONACHORD", TabStrip(0));
  add("MUSIC", TabStrip(1));
  add("COLOREDIT", TabStrip(2));
  add("TOFAVORITE_ON", Button(28, 26, State::On, Glyph::StarPlus));
  add("TOFAVORITE_OFF", Button(28, 26, State::Off, Glyph::StarPlus));
  add("CHORDLIST_ON", ChordList(State::On));
  add("CHORDLIST_OFF", ChordList(State::Off));
  add("KEYBOARD_ON", Button(28, 26, State::On, Glyph::Keyboard));
  add("KEYBOARD_OFF", Button(28, 26, State::Off, Glyph::Keyboard));
  add("CHORD_ON", ChordCell(true));
  add("CHORD_OFF", ChordCell(false));
  add("CHORD_PLAY_ON", Button(28, 27, State::On, Glyph::Play));
  add("CHORD_PLAY_OFF", Button(28, 27, State::Off, Glyph::Play));
  add("OPEN_ON", Button(28, 24, State::On, Glyph::Open));
  add("OPEN_OFF", Button(28, 24, State::Off, Glyph::Open));
  add("PLAY_ON", Button(28, 24, State::On, Glyph::Play));
  add("PLAY_OFF", Button(28, 24, State::Off, Glyph::Play));
  add("STOP_ON", Button(28, 24, State::On, Glyph::Stop));
  add("STOP_OFF", Button(28, 24, State::Off, Glyph::Stop));
  add("COLORBAND", HueBand(185, 9));
  add("NEW_ON", Button(24, 20, State::On, Glyph::New));
  add("NEW_OFF", Button(24, 20, State::Off, Glyph::New));
  add("DELETE_ON", Button(24, 20, State::On, Glyph::Delete));
  add("DELETE_OFF", Button(24, 20, State::Off, Glyph::Delete));
  add("MENU_ON", Button(15, 15, State::On, Glyph::Menu));
  add("MENU_OFF", Button(15, 15, State::Off, Glyph::Menu));
  {
    QImage on = Canvas(16, 16, kField), off = Canvas(16, 16, kField);
    QPainter a(&on), b(&off);
    DrawGlyph(a, Glyph::Star, QRectF(0, 0, 16, 16), State::On);
    DrawGlyph(b, Glyph::Star, QRectF(0, 0, 16, 16), State::Off);
    a.end();
    b.end();
    add("FAVORITE_ON", on);
    add("FAVORITE_OFF", off);
  }
  const struct { const char* on; const char* off; Glyph g; int w; } tools[] = {
      {"HAND_ON", "HAND_OFF", Glyph::Hand, 27}, {"ZOOM_ON", "ZOOM_OFF", Glyph::Zoom, 26},
      {"PICKER_ON", "PICKER_OFF", Glyph::Picker, 26}, {"BUCKET_ON", "BUCKET_OFF", Glyph::Bucket, 27}};
  for (const auto& t : tools) {
    add(t.on, Button(t.w, 27, State::On, t.g));
    add(t.off, Button(t.w, 27, State::Off, t.g));
  }
  add("ROTATE_ON", Button(70, 27, State::On, Glyph::Rotate, "Rotate"));
  add("ROTATE_OFF", Button(70, 27, State::Off, Glyph::Rotate, "Rotate"));
  add("CLEAR_ON", Button(56, 22, State::On, Glyph::Clear, "Clear"));
  add("CLEAR_OFF", Button(56, 22, State::Off, Glyph::Clear, "Clear"));
  add("SCHEMERGN_SMALL", WellStrip(189, 26, true));
  add("SCHEMERGN_LARGE", WellStrip(400, 44, true, "Scheme places"));
  add("PREVIEW_COLOR", Swatch(27, 26));
  add("OK_ON", TextButton(51, 27, State::On, "OK"));
  add("OK_OFF", TextButton(51, 27, State::Off, "OK"));
  add("AUTOCONT_PLUS_ON", Button(25, 17, State::On, Glyph::Plus));
  add("AUTOCONT_PLUS_OFF", Button(25, 17, State::Off, Glyph::Plus));
  add("AUTOCONT_PLUS_DIS", Disabled(Button(25, 17, State::Off, Glyph::Plus)));
  add("AUTOCONT_MINUS_ON", Button(25, 17, State::On, Glyph::Minus));
  add("AUTOCONT_MINUS_OFF", Button(25, 17, State::Off, Glyph::Minus));
  add("AUTOCONT_MINUS_DIS", Disabled(Button(25, 17, State::Off, Glyph::Minus)));
  add("RADIO_ON", Radio(State::On));
  add("RADIO_OFF", Radio(State::Off));
  add("CHECK_ON", CheckBox(State::On, true));
  add("CHECK_OFF", CheckBox(State::Off, false));
  add("CHECK_DIS", Disabled(CheckBox(State::Off, false)));
  add("MAIN_PT", Marker(11, true, false));
  add("SUB_PT", Marker(9, false, false));
  add("TRIANGLE_PT", Marker(9, false, true));
  add("CONTLIMIT_LEFT", LimitMark(false));
  add("CONTLIMIT_LEFT_DIS", Disabled(LimitMark(false)));
  add("CONTLIMIT_RIGHT", LimitMark(true));
  add("CONTLIMIT_RIGHT_DIS", Disabled(LimitMark(true)));
  add("SLIDE_CONT_DIS", Disabled(Groove(202)));
  add("SLIDE_CONT", Groove(202));
  add("SLIDE_S", Groove(62));
  add("SLIDE_L", Groove(102));
  add("SCROLL", Groove(200));
  add("THUMB_ON", Thumb(true));
  add("THUMB_OFF", Thumb(false));
  add("MUSIC_BAR", MusicBar());
  add("HISTORY_BAR", WellStrip(330, 16, false));
  for (int shape = 1; shape <= 3; ++shape) {
    v.push_back({"WHITE_KEYBORAD" + std::to_string(shape) + "_ON", PianoKey(shape, true)});
    v.push_back({"WHITE_KEYBORAD" + std::to_string(shape) + "_OFF", PianoKey(shape, false)});
  }
  add("BLACK_KEYBORAD1_ON", BlackKey(true));
  add("BLACK_KEYBORAD1_OFF", BlackKey(false));
  return v;
}

PackedSheet PackSheet(const std::vector<NamedImage>& pieces, int width) {
  std::vector<QRect> rects;
  int x = 0, y = 0, rowHeight = 0;
  for (const NamedImage& piece : pieces) {
    const int w = piece.image.width(), h = piece.image.height();
    if (x > 0 && x + w > width) {
      x = 0;
      y += rowHeight + 2;
      rowHeight = 0;
    }
    rects.emplace_back(x, y, w, h);
    x += w + 2;
    rowHeight = std::max(rowHeight, h);
  }
  PackedSheet out;
  out.sheet = Canvas(width, y + rowHeight, kKey);
  QPainter p(&out.sheet);
  for (size_t i = 0; i < pieces.size(); ++i) {
    p.drawImage(rects[i].topLeft(), pieces[i].image);
    out.rects.emplace_back(pieces[i].name, rects[i]);
  }
  return out;
}
