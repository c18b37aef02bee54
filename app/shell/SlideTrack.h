#pragma once
// SlideTrack: the arithmetic of a horizontal slider, apart from drawing.
// Track length L (pixels), step count n, step size s = L / n in whole pixels,
// thumb offset p (pixels, float), an optional limit in pixels. Indices snap p
// to the nearest multiple of s (ties go down). A zero range or a track of no
// length never divides: positions and indices are then 0.
class SlideTrack {
 public:
  void SetTrackLength(int length) { length_ = length > 0 ? length : 0; }
  // n <= 0 disables stepping (s = 0, p = 0).
  void SetRange(int n);
  // limit = L x percent x 0.01f, truncated, computed in double precision.
  void SetLimitPercent(int percent);
  void SetPosition(int v);
  int GetPosition() const;
  // Moves p to the snapped point and returns its index.
  int SnapTo(float p);
  static int Snap(float s, float p, float* snapped = nullptr);

  int Length() const { return length_; }
  int Steps() const { return steps_; }
  float StepSize() const { return step_; }
  float Offset() const { return offset_; }
  void SetOffset(float p) { offset_ = p; }
  int Limit() const { return limit_; }

 private:
  int length_ = 0;
  int steps_ = 0;
  float step_ = 0;
  float offset_ = 0;
  int limit_ = 4;
};
