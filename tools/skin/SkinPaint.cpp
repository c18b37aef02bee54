#include "SkinPaint.h"

#include "ColorSystem.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace skin {

QImage Canvas(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

void Antialiased(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
}

void Surface(QPainter& p, const QRectF& rect, State state, qreal radius) {
  p.save();
  Antialiased(p);
  const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  if (state == State::On) {
    g.setColorAt(0, QColor(204, 209, 223));
    g.setColorAt(1, kPressed);
  } else if (state == State::Disabled) {
    g.setColorAt(0, QColor(236, 236, 236));
    g.setColorAt(1, QColor(230, 230, 230));
  } else {
    g.setColorAt(0, kSurfaceTop);
    g.setColorAt(1, kSurfaceBottom);
  }
  p.setBrush(g);
  p.setPen(QPen(state == State::Disabled ? QColor(190, 190, 190) : state == State::On ? QColor(130, 140, 170) : kEdge, 1));
  p.drawRoundedRect(r, radius, radius);
  p.restore();
}

void Well(QPainter& p, const QRect& r, const QColor& inside) {
  p.fillRect(r, inside);
  p.fillRect(QRect(r.left() - 1, r.top() - 1, r.width() + 1, 1), QColor(170, 170, 170));
  p.fillRect(QRect(r.left() - 1, r.top() - 1, 1, r.height() + 1), QColor(170, 170, 170));
  p.fillRect(QRect(r.left() - 1, r.bottom() + 1, r.width() + 2, 1), QColor(246, 246, 246));
  p.fillRect(QRect(r.right() + 1, r.top() - 1, 1, r.height() + 2), QColor(246, 246, 246));
}

QFont UiFont(qreal points, bool bold) {
  QFont f;
  f.setFamilies({"Liberation Sans", "DejaVu Sans"});
  f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
  f.setWeight(bold ? QFont::DemiBold : QFont::Normal);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

void Label(QPainter& p, const QRect& rect, const QString& text, int flags, bool bold, const QColor& colour,
           qreal points) {
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setFont(UiFont(points, bold));
  p.setPen(colour);
  p.drawText(rect, flags, text);
  p.restore();
}

void Caption(QPainter& p, int x, int y, int right, const QString& text) {
  p.save();
  p.setFont(UiFont(8, true));
  const int w = p.fontMetrics().horizontalAdvance(text);
  Label(p, QRect(x, y, w + 2, 12), text, Qt::AlignLeft | Qt::AlignVCenter, true);
  if (x + w + 6 < right) p.fillRect(QRect(x + w + 6, y + 6, right - (x + w + 6), 1), kSeparator);
  p.restore();
}

QColor GlyphColour(State state) {
  return state == State::On ? kAccent : state == State::Disabled ? kInkDisabled : kInk;
}

namespace {

QPainterPath Star(QPointF c, qreal outer, qreal inner) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const qreal a = -M_PI / 2 + i * M_PI / 5;
    const qreal r = i % 2 ? inner : outer;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0) path.moveTo(pt);
    else path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

}  // namespace

void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, State state) {
  p.save();
  Antialiased(p);
  // Glyphs are drawn on a 16 x 16 grid centred in the box.
  const qreal s = std::min(box.width(), box.height()) / 16.0;
  p.translate(box.center().x() - 8 * s, box.center().y() - 8 * s);
  p.scale(s, s);
  const QColor ink = GlyphColour(state);
  QPen pen(ink, 1.6 / std::max(1.0, s * 0.9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  switch (glyph) {
    case Glyph::Play:
      p.setBrush(ink);
      p.drawPolygon(QPolygonF({QPointF(5, 3), QPointF(13, 8), QPointF(5, 13)}));
      break;
    case Glyph::Stop:
      p.setBrush(ink);
      p.drawRoundedRect(QRectF(4, 4, 8, 8), 1, 1);
      break;
    case Glyph::Open: {
      QPainterPath path;
      path.moveTo(2, 13);
      path.lineTo(2, 4);
      path.lineTo(6, 4);
      path.lineTo(7.5, 5.5);
      path.lineTo(12, 5.5);
      path.lineTo(12, 7.5);
      p.drawPath(path);
      p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(4.5, 7.5), QPointF(14.5, 7.5), QPointF(12, 13)}));
      break;
    }
    case Glyph::New:
      p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(9.5, 2), QPointF(12.5, 5), QPointF(12.5, 14), QPointF(4, 14)}));
      p.drawLine(QPointF(9.5, 2), QPointF(9.5, 5));
      p.drawLine(QPointF(9.5, 5), QPointF(12.5, 5));
      break;
    case Glyph::Delete:
      p.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
      p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 2.5));
      p.drawLine(QPointF(6.5, 2.5), QPointF(9.5, 2.5));
      p.drawLine(QPointF(9.5, 2.5), QPointF(9.5, 4.5));
      p.drawPolygon(QPolygonF({QPointF(4.5, 4.5), QPointF(5.3, 14), QPointF(10.7, 14), QPointF(11.5, 4.5)}));
      p.drawLine(QPointF(8, 7), QPointF(8, 11.5));
      break;
    case Glyph::Menu:
      for (qreal y : {4.5, 8.0, 11.5}) p.drawLine(QPointF(3.5, y), QPointF(12.5, y));
      break;
    case Glyph::Hand: {
      QPainterPath path;
      path.moveTo(5, 14);
      path.lineTo(3, 9);
      path.lineTo(4.2, 8.2);
      path.lineTo(5.5, 10);
      path.lineTo(5.5, 3);
      path.quadTo(6.5, 2, 7.5, 3);
      path.lineTo(7.5, 8);
      path.lineTo(7.5, 2.2);
      path.quadTo(8.5, 1.2, 9.5, 2.2);
      path.lineTo(9.5, 8);
      path.lineTo(9.5, 3);
      path.quadTo(10.5, 2, 11.5, 3);
      path.lineTo(11.5, 8.5);
      path.lineTo(11.5, 5);
      path.quadTo(12.5, 4, 13.5, 5);
      path.lineTo(13.5, 10.5);
      path.quadTo(13.5, 14, 11, 14);
      path.closeSubpath();
      p.drawPath(path);
      break;
    }
    case Glyph::Zoom:
      p.drawEllipse(QPointF(6.8, 6.8), 4.3, 4.3);
      p.drawLine(QPointF(10, 10), QPointF(14, 14));
      break;
    case Glyph::Picker:
      p.drawLine(QPointF(2.5, 13.5), QPointF(9, 7));
      p.drawLine(QPointF(7, 5), QPointF(11, 9));
      p.setBrush(ink);
      p.drawEllipse(QPointF(11.2, 4.8), 2.4, 2.4);
      p.setBrush(Qt::NoBrush);
      break;
    case Glyph::Bucket:
      p.drawPolygon(QPolygonF({QPointF(2.5, 7.5), QPointF(7.5, 2.5), QPointF(12.5, 7.5), QPointF(7.5, 12.5)}));
      p.setBrush(ink);
      p.drawEllipse(QPointF(13.2, 11.5), 1.3, 1.8);
      break;
    case Glyph::Rotate: {
      p.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 250 * 16);
      p.setBrush(ink);
      p.drawPolygon(QPolygonF({QPointF(13.8, 2.2), QPointF(13.8, 6.8), QPointF(9.4, 5.2)}));
      break;
    }
    case Glyph::Plus:
      p.drawLine(QPointF(8, 3.5), QPointF(8, 12.5));
      p.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
      break;
    case Glyph::Minus:
      p.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
      break;
    case Glyph::Check:
      p.drawPolyline(QPolygonF({QPointF(3.5, 8.5), QPointF(6.5, 11.5), QPointF(12.5, 4.5)}));
      break;
    case Glyph::Clear:
      p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
      p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
      break;
    case Glyph::Star:
      if (state == State::On) p.setBrush(ink);
      p.drawPath(Star(QPointF(8, 8.5), 6.5, 2.8));
      break;
    case Glyph::StarPlus:
      p.drawPath(Star(QPointF(7, 8.5), 5.8, 2.5));
      p.drawLine(QPointF(13, 1.5), QPointF(13, 6.5));
      p.drawLine(QPointF(10.5, 4), QPointF(15.5, 4));
      break;
    case Glyph::Keyboard:
      p.drawRect(QRectF(1.5, 3.5, 13, 9));
      for (qreal x : {4.75, 8.0, 11.25}) p.drawLine(QPointF(x, 8), QPointF(x, 12.5));
      p.setBrush(ink);
      for (qreal x : {3.8, 7.05, 10.3}) p.drawRect(QRectF(x, 3.5, 1.9, 4.5));
      break;
    case Glyph::Notes:
      p.setBrush(ink);
      p.drawEllipse(QPointF(4.5, 12), 2, 1.5);
      p.drawEllipse(QPointF(11.5, 10.5), 2, 1.5);
      p.setBrush(Qt::NoBrush);
      p.drawLine(QPointF(6.4, 12), QPointF(6.4, 3.8));
      p.drawLine(QPointF(13.4, 10.5), QPointF(13.4, 2.3));
      p.drawLine(QPointF(6.4, 3.8), QPointF(13.4, 2.3));
      break;
  }
  p.restore();
}

QColor NoteHueColour(double noteHue, double lightness, double saturation) {
  // The ring shows the program's own note wheel, so it comes from the colour model.
  static const ColorSystem colors;
  const uint32_t c = colors.HHlsToRgb(float(noteHue), float(lightness * 255.0), float(saturation * 255.0), 255.0f);
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QImage Disabled(const QImage& image) {
  QImage out = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      // The transparent key and the panel around a picture stay as they are.
      if ((row[x] & 0xFFFFFF) == 0x0000FF || (row[x] & 0xFFFFFF) == 0xDFDFDF) continue;
      const int grey = qGray(row[x]);
      const int light = grey + (245 - grey) * 45 / 100;
      row[x] = qRgb(light, light, light);
    }
  }
  return out;
}

}  // namespace skin
