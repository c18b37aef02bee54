#include "ui/Region.h"

#include <QPolygon>
#include <QRegion>
#include <QTransform>

namespace ui {

Region::Region() : native_(std::make_unique<QRegion>()) {}
Region::Region(const Rect& r)
    : native_(std::make_unique<QRegion>(r.IsEmpty() ? QRegion() : QRegion(r.left, r.top, r.Width(), r.Height()))) {}
Region::Region(const Region& o) : native_(std::make_unique<QRegion>(*o.native_)) {}
Region& Region::operator=(const Region& o) {
  *native_ = *o.native_;
  return *this;
}
Region::Region(Region&& o) noexcept : native_(std::make_unique<QRegion>(std::move(*o.native_))) {}
Region& Region::operator=(Region&& o) noexcept {
  *native_ = std::move(*o.native_);
  return *this;
}
Region::~Region() = default;

Region Region::FromPolygon(const std::vector<Point>& points, bool winding) {
  QPolygon polygon;
  for (const Point& p : points) polygon << QPoint(p.x, p.y);
  Region out;
  *out.native_ = QRegion(polygon, winding ? Qt::WindingFill : Qt::OddEvenFill);
  return out;
}

Region& Region::Combine(const Region& a, const Region& b, CombineMode mode) {
  switch (mode) {
    case CombineMode::And: *native_ = a.native_->intersected(*b.native_); break;
    case CombineMode::Or: *native_ = a.native_->united(*b.native_); break;
    case CombineMode::Xor: *native_ = a.native_->xored(*b.native_); break;
    case CombineMode::Diff: *native_ = a.native_->subtracted(*b.native_); break;
    case CombineMode::Copy: *native_ = *a.native_; break;
  }
  return *this;
}

bool Region::IsEmpty() const { return native_->isEmpty(); }
bool Region::Contains(Point p) const { return native_->contains(QPoint(p.x, p.y)); }

Rect Region::Bounds() const {
  const QRect r = native_->boundingRect();
  return r.isEmpty() ? Rect{} : Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

std::vector<Rect> Region::Rects() const {
  std::vector<Rect> out;
  for (const QRect& r : *native_) out.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
  return out;
}

void Region::Offset(int dx, int dy) { native_->translate(dx, dy); }

Region Region::Scaled(double sx, double sy) const {
  Region out;
  *out.native_ = QTransform::fromScale(sx, sy).map(*native_);
  return out;
}

bool Region::operator==(const Region& other) const { return *native_ == *other.native_; }

}  // namespace ui
