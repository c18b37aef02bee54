#pragma once
// Region: a set of pixels made of rectangles and polygons, combined by union,
// intersection, difference and exclusive or. Used for shaped windows and for
// picture areas. Coordinates are pixels; polygon filling follows the
// alternate (even-odd) rule unless winding is asked for.
#include <memory>
#include <vector>

#include "ui/UiTypes.h"

class QRegion;

namespace ui {

enum class CombineMode { And, Or, Xor, Diff, Copy };

class Region {
 public:
  Region();
  explicit Region(const Rect& rect);
  Region(const Region& other);
  Region& operator=(const Region& other);
  Region(Region&&) noexcept;
  Region& operator=(Region&&) noexcept;
  ~Region();

  static Region FromPolygon(const std::vector<Point>& points, bool winding = false);

  // this = a (mode) b; returns this.
  Region& Combine(const Region& a, const Region& b, CombineMode mode);
  Region operator|(const Region& o) const { return Region().Combine(*this, o, CombineMode::Or); }
  Region operator&(const Region& o) const { return Region().Combine(*this, o, CombineMode::And); }
  Region operator-(const Region& o) const { return Region().Combine(*this, o, CombineMode::Diff); }
  Region operator^(const Region& o) const { return Region().Combine(*this, o, CombineMode::Xor); }

  bool IsEmpty() const;
  bool Contains(Point p) const;
  Rect Bounds() const;
  // Non-overlapping rectangles covering the region, top to bottom.
  std::vector<Rect> Rects() const;
  void Offset(int dx, int dy);
  // Scales coordinates about the origin.
  Region Scaled(double sx, double sy) const;
  bool operator==(const Region& other) const;

  const QRegion& Native() const { return *native_; }

 private:
  std::unique_ptr<QRegion> native_;
};

}  // namespace ui
