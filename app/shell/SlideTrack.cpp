#include "SlideTrack.h"

#include <cmath>

void SlideTrack::SetRange(int n) {
  if (n <= 0) {
    steps_ = 0;
    step_ = 0;
    offset_ = 0;
    return;
  }
  steps_ = n;
  step_ = float(length_ / n);
  SetPosition(0);
}

void SlideTrack::SetLimitPercent(int percent) {
  // The product times the float nearest 0.01, held in double precision: a
  // multiple of 100 then lands just below its hundredth.
  limit_ = int(double(length_ * percent) * double(0.01f));
}

void SlideTrack::SetPosition(int v) {
  offset_ = steps_ > 0 ? float(length_) * float(v) / float(steps_) : 0.0f;
}

int SlideTrack::GetPosition() const {
  return length_ > 0 ? int(float(steps_) * offset_ / float(length_) + 0.5f) : 0;
}

int SlideTrack::Snap(float s, float p, float* snapped) {
  if (s <= 0) {
    if (snapped) *snapped = p;
    return 0;
  }
  const float f = std::floor(p / s) * s;
  const float b = f + s;
  const float chosen = (f + b) / 2 >= p ? f : b;
  if (snapped) *snapped = chosen;
  return int(chosen / s);
}

int SlideTrack::SnapTo(float p) {
  float snapped = p;
  const int index = Snap(step_, p, &snapped);
  offset_ = snapped;
  return index;
}
