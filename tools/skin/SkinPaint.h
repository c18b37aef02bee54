#pragma once
// The skin's palette and drawing primitives: raised and pressed surfaces,
// recessed wells, labels, line glyphs on a 16-pixel grid and the note hue
// scale. Everything the skin shows is drawn with these.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

namespace skin {

inline const QColor kPanel(223, 223, 223);
inline const QColor kPopup(224, 224, 224);
inline const QColor kAccent(30, 60, 150);
inline const QColor kKey(0, 0, 255);
inline const QColor kSurfaceTop(242, 242, 242);
inline const QColor kSurfaceBottom(228, 228, 228);
inline const QColor kEdge(160, 160, 160);
inline const QColor kSeparator(200, 200, 200);
inline const QColor kInk(51, 51, 51);
inline const QColor kInkDisabled(150, 150, 150);
inline const QColor kPressed(210, 214, 226);
inline const QColor kField(250, 250, 248);

enum class State { Off, On, Disabled };

enum class Glyph {
  Play, Stop, Open, New, Delete, Menu, Hand, Zoom, Picker, Bucket, Rotate,
  Plus, Minus, Check, Clear, Star, StarPlus, Keyboard, Notes
};

QImage Canvas(int width, int height, const QColor& fill);
void Antialiased(QPainter& p);
// A button face: raised (Off), pressed (On) or greyed (Disabled), 3 px corners.
void Surface(QPainter& p, const QRectF& rect, State state, qreal radius = 3);
// A recessed area: darker top/left line, lighter bottom/right line.
void Well(QPainter& p, const QRect& rect, const QColor& inside);
QFont UiFont(qreal points, bool bold = false);
void Label(QPainter& p, const QRect& rect, const QString& text, int flags = Qt::AlignLeft | Qt::AlignVCenter,
           bool bold = false, const QColor& colour = kInk, qreal points = 8);
QColor GlyphColour(State state);
void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, State state);
// A thin horizontal group caption with a separator line to the right.
void Caption(QPainter& p, int x, int y, int right, const QString& text);
// The colour at a hue on the note hue scale (C red, E green, F sharp blue, A violet).
QColor NoteHueColour(double noteHue, double lightness = 0.5, double saturation = 1.0);
// The "_DIS" form of a picture: desaturated and lightened; the blue key and
// the panel grey around it are kept.
QImage Disabled(const QImage& image);

}  // namespace skin
