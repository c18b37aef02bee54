#include <gtest/gtest.h>

#include "ui/DeviceContext.h"
#include "ui/Image.h"
#include "ui/Region.h"
#include "ui/UiHarness.h"

using namespace ui;

namespace {

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override { harness::EnsureApplication(); }
};

TEST_F(Drawing, ImageKeepsBottomUpRowsAndPackedColours) {
  Image img(3, 2);
  img.SetPixel(0, 0, Rgb(1, 2, 3));  // top-left
  img.SetPixel(2, 1, Rgb(200, 100, 50));
  // The top row is the last one in memory; a pixel is B, G, R, then the painted byte.
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(img.Bits());
  EXPECT_EQ(bytes[3 * 4 + 0], 3);
  EXPECT_EQ(bytes[3 * 4 + 1], 2);
  EXPECT_EQ(bytes[3 * 4 + 2], 1);
  EXPECT_EQ(img.GetPixel(2, 1), Rgb(200, 100, 50));
  EXPECT_EQ(img.GetPixel(3, 0), kInvalidColour);
  EXPECT_EQ(img.GetPixel(0, -1), kInvalidColour);
  EXPECT_FALSE(Image().Create(0, 5));
}

TEST_F(Drawing, BlitsCombineAndClip) {
  struct Case {
    RasterOp op;
    Colour dst, src, want;
  } cases[] = {
      {RasterOp::Copy, 0x123456, 0xABCDEF, 0xABCDEF},
      {RasterOp::Xor, 0x0F0F0F, 0xFF00FF, 0xF00FF0},
      {RasterOp::And, 0x0F0F0F, 0xFF00FF, 0x0F000F},
  };
  for (const Case& c : cases) {
    Image dst(4, 4), src(2, 2);
    dst.Fill(c.dst);
    src.Fill(c.src);
    DeviceContext dc(dst);
    dc.BitBlt(3, -1, 2, 2, src, 0, 0, c.op);  // only (3, 0) lies inside
    EXPECT_EQ(dst.GetPixel(3, 0), c.want);
    EXPECT_EQ(dst.GetPixel(2, 0), c.dst);
    EXPECT_EQ(dst.GetPixel(3, 1), c.dst);
  }
}

TEST_F(Drawing, FillFrameAndStretch) {
  Image img(10, 10);
  DeviceContext dc(img);
  dc.FillSolidRect({-5, -5, 20, 20}, Rgb(223, 223, 223));
  dc.FrameRect({2, 2, 8, 8}, Rgb(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(2, 5), Rgb(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(7, 7), Rgb(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(3, 3), Rgb(223, 223, 223));
  EXPECT_EQ(dc.GetPixel(8, 8), Rgb(223, 223, 223));

  Image src(2, 1);
  src.SetPixel(0, 0, Rgb(0, 0, 0));
  src.SetPixel(1, 0, Rgb(200, 200, 200));
  Image wide(8, 2);
  DeviceContext(wide).StretchBlt(0, 0, 8, 2, src, 0, 0, 2, 1);
  EXPECT_EQ(wide.GetPixel(0, 1), Rgb(0, 0, 0));
  EXPECT_EQ(wide.GetPixel(7, 0), Rgb(200, 200, 200));
}

TEST_F(Drawing, TextHonoursAlignmentAndBackground) {
  // Horizontal position of the first inked column for left, centred and right text.
  auto firstInk = [](unsigned format) {
    Image img(120, 20);
    DeviceContext dc(img);
    dc.FillSolidRect({0, 0, 120, 20}, Rgb(255, 255, 255));
    dc.SetFont("MS Sans Serif", 9);
    dc.SetBkMode(BkMode::Transparent);
    dc.DrawText("Mid", {0, 0, 120, 20}, format);
    for (int x = 0; x < 120; ++x)
      for (int y = 0; y < 20; ++y)
        if (img.GetPixel(x, y) != Rgb(255, 255, 255)) return x;
    return -1;
  };
  const int left = firstInk(4), centre = firstInk(5), right = firstInk(6);
  EXPECT_GE(left, 0);
  EXPECT_LT(left, 3);
  EXPECT_GT(centre, 40);
  EXPECT_LT(centre, 60);
  EXPECT_GT(right, 80);

  Image img(60, 20);
  DeviceContext dc(img);
  dc.SetBkMode(BkMode::Opaque);
  dc.SetBkColor(Rgb(10, 20, 30));
  dc.TextOut(0, 0, "ab");
  EXPECT_EQ(img.GetPixel(0, 0), Rgb(10, 20, 30));
}

TEST_F(Drawing, RegionsCombine) {
  const Region a(Rect{0, 0, 10, 10}), b(Rect{5, 5, 15, 15});
  struct Case {
    Region r;
    Point in, out;
  } cases[] = {
      {a | b, {12, 12}, {12, 2}},
      {a & b, {6, 6}, {2, 2}},
      {a - b, {2, 2}, {6, 6}},
      {a ^ b, {12, 12}, {6, 6}},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(c.r.Contains(c.in));
    EXPECT_FALSE(c.r.Contains(c.out));
  }
  Region tri = Region::FromPolygon({{0, 0}, {20, 0}, {0, 20}});
  EXPECT_TRUE(tri.Contains({2, 2}));
  EXPECT_FALSE(tri.Contains({18, 18}));
  Region moved = a;
  moved.Offset(100, 0);
  EXPECT_EQ(moved.Bounds(), (Rect{100, 0, 110, 10}));
  EXPECT_EQ(a.Scaled(2, 3).Bounds(), (Rect{0, 0, 20, 30}));
  int area = 0;
  for (const Rect& r : (a | b).Rects()) area += r.Width() * r.Height();
  EXPECT_EQ(area, 175);
  EXPECT_TRUE(Region(Rect{3, 3, 3, 9}).IsEmpty());
}

}  // namespace
