#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "ArchiveBuilder.h"
#include "SkinArchive.h"

namespace {

using ui::Rgb;

TEST(SkinArchive, DuplicatesKeepTheFirstAndNamesAreExact) {
  const auto data = MakeArchive({{"Back_Main", SolidBmp(2, 2, 0x112233)},
                                 {"back_main", SolidBmp(3, 1, 0x445566)},
                                 {"Back_Main", SolidBmp(4, 4, 0x778899)}});
  SkinArchive all;
  all.LoadFromBytes(data, "");
  EXPECT_EQ(all.Count(), 2u);
  ASSERT_NE(all.Get("Back_Main"), nullptr);
  EXPECT_EQ(all.Get("Back_Main")->Width(), 2);
  EXPECT_EQ(all.Get("Back_Main")->GetPixel(1, 1), Rgb(0x11, 0x22, 0x33));
  EXPECT_EQ(all.Get("back_main")->Width(), 3);
  EXPECT_EQ(all.Get("BACK_MAIN"), nullptr);
  EXPECT_EQ(all.Get("")->Width(), 2);  // "Back_Main" sorts before "back_main"

  SkinArchive one;
  one.LoadFromBytes(data, "back_main");
  EXPECT_EQ(one.Count(), 1u);
  EXPECT_EQ(one.Get("")->Width(), 3);
  one.LoadFromBytes(data, "Missing");
  EXPECT_EQ(one.Get(""), nullptr);
}

TEST(SkinArchive, LoadByNameStopsAtTheFirstMatch) {
  auto data = MakeArchive({{"A", SolidBmp(1, 1, 0)}, {"B", SolidBmp(5, 5, 0)}});
  data.resize(data.size() + 200, 0xEE);  // garbage after the match is never read
  SkinArchive archive;
  archive.LoadFromBytes(data, "B");
  EXPECT_EQ(archive.Get("B")->Width(), 5);
  EXPECT_TRUE(archive.LastError().empty());
}

TEST(SkinArchive, DecodesEveryUncompressedDepth) {
  BmpFields pal8;
  pal8.bits = 8;
  pal8.palette = {0x000000, 0xFF0000, 0x00FF00};
  pal8.colorsUsed = 3;
  pal8.pixels = {1, 2, 0, 7};  // index 7 lies past the table: black
  BmpFields pal1;
  pal1.bits = 1;
  pal1.width = 9;
  pal1.height = 1;
  pal1.palette = {0x0000FF, 0xFFFFFF};
  pal1.pixels = {1, 0, 0, 0, 0, 0, 0, 0, 1};
  BmpFields pal4 = pal8;
  pal4.bits = 4;
  BmpFields rgb32;
  rgb32.bits = 32;
  rgb32.pixels = {0x0000FF, 0x010203, 0, 0};
  SkinArchive archive;
  archive.LoadFromBytes(MakeArchive({{"p8", MakeBmp(pal8)}, {"p1", MakeBmp(pal1)}, {"p4", MakeBmp(pal4)},
                                     {"c32", MakeBmp(rgb32)}}),
                        "");
  ASSERT_EQ(archive.Count(), 4u) << archive.LastError();
  for (const char* name : {"p8", "p4"}) {
    const ui::Image* img = archive.Get(name);
    EXPECT_EQ(img->GetPixel(0, 0), Rgb(255, 0, 0)) << name;
    EXPECT_EQ(img->GetPixel(1, 0), Rgb(0, 255, 0)) << name;
    EXPECT_EQ(img->GetPixel(1, 1), Rgb(0, 0, 0)) << name;
  }
  EXPECT_EQ(archive.Get("p1")->GetPixel(0, 0), Rgb(255, 255, 255));
  EXPECT_EQ(archive.Get("p1")->GetPixel(1, 0), Rgb(0, 0, 255));
  EXPECT_EQ(archive.Get("p1")->GetPixel(8, 0), Rgb(255, 255, 255));
  EXPECT_EQ(archive.Get("c32")->GetPixel(0, 0), 0xFF0000u);  // pure blue as a colour value
  EXPECT_EQ(archive.Get("c32")->GetPixel(1, 0), Rgb(1, 2, 3));
}

TEST(SkinArchive, ReadingStopsAtTheFirstBadRecord) {
  struct Case {
    const char* what;
    BmpFields fields;
    const char* error;
  };
  auto with = [](auto change) {
    BmpFields s;
    s.pixels = {1, 2, 3, 4};
    change(s);
    return s;
  };
  const Case cases[] = {
      {"small info header", with([](BmpFields& s) { s.infoSize = 12; }), "info header"},
      {"zero width", with([](BmpFields& s) { s.width = 0; }), "size"},
      {"top-down height", with([](BmpFields& s) { s.height = -2; }), "size"},
      {"huge width", with([](BmpFields& s) { s.width = 1 << 20; }), "size"},
      {"16 bits", with([](BmpFields& s) { s.bits = 16; }), "bit count"},
      {"compressed", with([](BmpFields& s) { s.compression = 1; }), "compressed"},
      {"rows past the record", with([](BmpFields& s) { s.pixelBytesDelta = -4; }), "pixel rows"},
      {"colour table too long", with([](BmpFields& s) { s.bits = 1; s.colorsUsed = 3; s.palette = {0, 0}; }), "colour table"},
      {"bfSize past the file", with([](BmpFields& s) { s.fileSizeDelta = 1000; }), "does not fit the archive"},
  };
  for (const Case& c : cases) {
    SkinArchive archive;
    EXPECT_TRUE(archive.LoadFromBytes(MakeArchive({{"good", SolidBmp(1, 1, 0)}, {"bad", MakeBmp(c.fields)},
                                                   {"after", SolidBmp(1, 1, 0)}}),
                                      ""));
    EXPECT_EQ(archive.Names(), std::vector<std::string>{"good"}) << c.what;
    EXPECT_NE(archive.LastError().find("record 1"), std::string::npos) << c.what << ": " << archive.LastError();
    EXPECT_NE(archive.LastError().find(c.error), std::string::npos) << c.what << ": " << archive.LastError();
  }
}

TEST(SkinArchive, TruncatedFilesCountsAndUnterminatedNames) {
  auto data = MakeArchive({{"one", SolidBmp(2, 2, 0)}});
  SkinArchive archive;
  for (size_t cut : {size_t(0), size_t(3), size_t(60), data.size() - 1}) {
    archive.LoadFromBytes(std::span<const uint8_t>(data.data(), cut), "");
    EXPECT_EQ(archive.Count(), 0u) << cut;
  }
  archive.LoadFromBytes(MakeArchive({{"one", SolidBmp(2, 2, 0)}}, -5), "");
  EXPECT_EQ(archive.Count(), 0u);
  archive.LoadFromBytes(MakeArchive({{"one", SolidBmp(2, 2, 0)}}, 3), "");  // claims more than it holds
  EXPECT_EQ(archive.Count(), 1u);
  const std::string longName(128, 'x');
  archive.LoadFromBytes(MakeArchive({{longName, SolidBmp(1, 1, 0)}}), "");
  EXPECT_EQ(archive.Names(), std::vector<std::string>{longName});
}

TEST(SkinArchive, LoadOpensFilesAndClearsFirst) {
  SkinArchive archive;
  archive.LoadFromBytes(MakeArchive({{"kept", SolidBmp(1, 1, 0)}}), "");
  EXPECT_FALSE(archive.Load("/nonexistent/Image2.cif", ""));
  EXPECT_EQ(archive.Count(), 0u);
  const std::string path = ::testing::TempDir() + "/skin-test.cif";
  const auto data = MakeArchive({{"Circle_HLS", SolidBmp(3, 3, 0x808080)}});
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
  EXPECT_TRUE(archive.Load(path, "Circle_HSV"));
  EXPECT_EQ(archive.Get(""), nullptr);
  EXPECT_TRUE(archive.Load(path, "Circle_HLS"));
  EXPECT_EQ(archive.Get("")->Height(), 3);
  std::remove(path.c_str());
}

}  // namespace
