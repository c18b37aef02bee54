#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "ArchiveBuilder.h"
#include "ControlImages.h"
#include "ControlMessages.h"
#include "SkinImage.h"

namespace {

using ui::Rgb;

// A picture whose pixels are all different, with a pure blue pattern in it.
SkinImage Patterned(int w, int h) {
  SkinImage img;
  img.Create(w, h, 32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.Dc().SetPixel(x, y, (x + 2 * y) % 3 == 0 ? kSkinKey : Rgb(10 * x, 20 * y, 7));
  return img;
}

TEST(SkinImage, DrawTransparentLeavesTheDestinationUnderPureBlue) {
  const SkinImage picture = Patterned(9, 7);
  const ui::Rect window{2, 1, 8, 6};
  for (const ui::Rect* part : {static_cast<const ui::Rect*>(nullptr), &window}) {
    ui::Image dest(12, 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 12; ++x) dest.SetPixel(x, y, Rgb(200, 3 * x, 5 * y));
    const ui::Image before = dest;
    ui::DeviceContext dc(dest);
    ASSERT_TRUE(picture.DrawTransparent(dc, kSkinKey, 5, 4, part));  // runs past the right and bottom edges
    const ui::Rect r = part ? *part : ui::Rect{0, 0, 9, 7};
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 12; ++x) {
        const int sx = x - 5 + r.left, sy = y - 4 + r.top;
        const bool inside = sx >= r.left && sx < r.right && sy >= r.top && sy < r.bottom;
        const ui::Colour src = inside ? picture.Picture().GetPixel(sx, sy) : kSkinKey;
        EXPECT_EQ(dest.GetPixel(x, y), src == kSkinKey ? before.GetPixel(x, y) : src) << x << "," << y;
      }
  }
}

TEST(SkinImage, InvalidImagesDrawNothing) {
  SkinImage none;
  ui::Image dest(4, 4);
  dest.Fill(Rgb(1, 2, 3));
  ui::DeviceContext dc(dest);
  EXPECT_FALSE(none.Draw(dc, 0, 0));
  EXPECT_FALSE(none.DrawTransparent(dc, kSkinKey, 0, 0));
  EXPECT_FALSE(none.StretchDraw(dc, 0, 0, 4, 4));
  EXPECT_EQ(dest.GetPixel(0, 0), Rgb(1, 2, 3));
  EXPECT_FALSE(none.CopyBitmap(nullptr));
  EXPECT_FALSE(none.IsValid());
  SkinImage cut;
  EXPECT_FALSE(cut.CutFrom(Patterned(4, 4), {}));
  EXPECT_TRUE(cut.CutFrom(Patterned(4, 4), {1, 1, 3, 4}));
  EXPECT_EQ(cut.Width(), 2);
  EXPECT_EQ(cut.Height(), 3);
  EXPECT_EQ(cut.Picture().GetPixel(0, 0), Patterned(4, 4).Picture().GetPixel(1, 1));
  // Copying a bitmap releases what the image held.
  ui::Image small(2, 1);
  EXPECT_TRUE(cut.CopyBitmap(&small));
  EXPECT_EQ(cut.Width(), 2);
  EXPECT_EQ(cut.Height(), 1);
}

TEST(SkinImage, ControlImagesFollowTheLayout) {
  const std::string dir = ::testing::TempDir();
  const std::string layout = dir + "/ci-layout.ini", archive = dir + "/ci-archive.cif";
  std::ofstream(layout, std::ios::binary) << "[CONTROL]\r\nOK_ON = (1, 0, 3, 2)\r\nOK_OFF = 1000\r\n";
  BmpFields sheet;
  sheet.width = 4;
  sheet.height = 2;
  sheet.pixels = {0, 0x0000FF, 0x00FF00, 0, 0, 0, 0, 0};
  const auto bytes = MakeArchive({{"ConsonaIcon", MakeBmp(sheet)}});
  std::ofstream(archive, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

  EXPECT_FALSE(LoadControlImages((dir + "/missing.ini").c_str(), archive.c_str()));
  EXPECT_FALSE(ControlImage("OK_ON").IsValid());
  ASSERT_TRUE(LoadControlImages(layout.c_str(), archive.c_str()));
  const SkinImage& ok = ControlImage("OK_ON");
  ASSERT_TRUE(ok.IsValid());
  EXPECT_EQ(ok.Width(), 2);
  EXPECT_EQ(ok.Picture().GetPixel(0, 0), kSkinKey);
  EXPECT_EQ(ok.Picture().GetPixel(1, 0), Rgb(0, 255, 0));
  EXPECT_FALSE(ControlImage("OK_OFF").IsValid());
  EXPECT_FALSE(ControlImage("CHECK_ON").IsValid());
  std::remove(layout.c_str());
  std::remove(archive.c_str());
}

}  // namespace
