#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "ControlImages.h"
#include "LayoutIni.h"
#include "SkinArchive.h"

namespace {

const std::string kSetup = std::string(TINTONIA_BIN_DIR) + "/SetUp/";

TEST(SkinOutput, EveryControlPictureLiesOnTheSheet) {
  LayoutIni layout;
  ASSERT_TRUE(layout.Open((kSetup + "UI_ControlIcon.ini").c_str())) << layout.LastError();
  SkinArchive archive;
  ASSERT_TRUE(archive.Load(kSetup + "Image/Image1.cif", ""));
  EXPECT_TRUE(archive.LastError().empty()) << archive.LastError();
  const ui::Image* sheet = archive.Get("ConsonaIcon");
  ASSERT_NE(sheet, nullptr);
  // Sizes the windows rely on; the rest only need to exist.
  const std::map<std::string, std::pair<int, int>> sizes = {
      {"SLIDE_CONT", {202, 6}}, {"SLIDE_CONT_DIS", {202, 6}}, {"WHITE_KEYBORAD1_ON", {22, 119}},
      {"WHITE_KEYBORAD2_OFF", {22, 119}}, {"WHITE_KEYBORAD3_ON", {22, 119}}, {"BLACK_KEYBORAD1_OFF", {15, 70}},
      {"CHORD_PLAY_ON", {28, 27}}, {"OK_OFF", {51, 27}}, {"TOFAVORITE_ON", {28, 26}},
      {"AUTOCONT_PLUS_DIS", {25, 17}}, {"CHORD_ON", {110, 49}}, {"PREVIEW_COLOR", {27, 26}},
      {"COLORBAND", {185, 9}}, {"CONSONACHORD", {342, 14}}, {"HAND_ON", {27, 27}}, {"ROTATE_OFF", {70, 27}}};
  std::vector<std::string> keys(kControlImageKeys.begin(), kControlImageKeys.end());
  keys.insert(keys.end(), kPianoKeyImageKeys.begin(), kPianoKeyImageKeys.end());
  ASSERT_EQ(keys.size(), 80u);
  for (const std::string& key : keys) {
    const LayoutValue v = layout.Lookup("CONTROL", key);
    ASSERT_EQ(v.kind, LayoutValue::Kind::Rectangle) << key;
    EXPECT_GE(v.rect.left, 0) << key;
    EXPECT_GE(v.rect.top, 0) << key;
    EXPECT_LE(v.rect.right, sheet->Width()) << key;
    EXPECT_LE(v.rect.bottom, sheet->Height()) << key;
    EXPECT_FALSE(v.rect.IsEmpty()) << key;
    if (auto it = sizes.find(key); it != sizes.end()) {
      EXPECT_EQ(std::make_pair(v.rect.Width(), v.rect.Height()), it->second) << key;
    }
  }
  ASSERT_TRUE(LoadControlImages((kSetup + "UI_ControlIcon.ini").c_str(), (kSetup + "Image/Image1.cif").c_str()));
  for (const SkinImage& image : controlImages) EXPECT_TRUE(image.IsValid());
  // Where a piano key is not key-shaped it is see-through.
  EXPECT_EQ(ControlImage("MAIN_PT").Picture().GetPixel(0, 0), 0xFF0000u);
}

TEST(SkinOutput, EveryBackgroundFitsItsWindow) {
  const std::map<std::string, std::pair<int, int>> minimum = {
      {"Back_Main", {346, 426}}, {"Back_Mode_Consona", {346, 266}}, {"Back_Mode_Music", {346, 266}},
      {"Back_Mode_Edit", {346, 266}}, {"Back_Chord", {333, 118}}, {"Back_KeyBoard", {317, 218}},
      {"Back_ColorPicker", {207, 228}}, {"Back_ColorScheme_Up", {420, 93}}, {"Back_ColorScheme_Down", {420, 40}},
      {"Back_Fav", {352, 110}}, {"Circle_HLS", {184, 184}}, {"Circle_HSV", {184, 184}},
      {"Edit_Hls", {147, 114}}, {"Edit_Hsv", {146, 114}}, {"Edit_Bar", {193, 115}}};
  SkinArchive archive;
  for (const auto& [name, size] : minimum) {
    ASSERT_TRUE(archive.Load(kSetup + "Image/Image2.cif", name));
    const ui::Image* image = archive.Get("");
    ASSERT_NE(image, nullptr) << name;
    EXPECT_GE(image->Width(), size.first) << name;
    EXPECT_GE(image->Height(), size.second) << name;
    EXPECT_EQ(image->GetPixel(0, image->Height() - 1) == 0xFF0000u, false) << name << " shows the key colour";
  }
  archive.Load(kSetup + "Image/Image2.cif", "Circle_HLS");
  EXPECT_EQ(archive.Get("")->Width(), 184);
  EXPECT_EQ(archive.Get("")->Height(), 184);
  EXPECT_EQ(archive.Get("")->GetPixel(91, 92), ui::Rgb(223, 223, 223));  // the inner area
}

TEST(SkinOutput, ExtraSheetsJoinTheControlArchive) {
  QTemporaryDir dir;
  const QString ppm = dir.filePath("chords.ppm");
  {
    QFile file(ppm);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // 3 x 1: red, pure blue (see-through), a grey.
    file.write(QByteArray("P6\n# chord icons\n3 1\n255\n") + QByteArray("\xFF\x00\x00\x00\x00\xFF\x40\x41\x42", 9));
  }
  auto run = [&](const QString& extra) {
    QProcess generator;
    generator.start(QString(TINTONIA_BIN_DIR) + "/tna-skingen", {"--out", dir.path(), "--extra", extra});
    generator.waitForFinished(60000);
    return generator.exitCode();
  };
  ASSERT_EQ(run("ConsonaChord=" + ppm), 0);
  SkinArchive archive;
  ASSERT_TRUE(archive.Load(dir.filePath("Image/Image1.cif").toStdString(), ""));
  EXPECT_NE(archive.Get("ConsonaIcon"), nullptr);
  const ui::Image* chords = archive.Get("ConsonaChord");
  ASSERT_NE(chords, nullptr);
  EXPECT_EQ(chords->GetPixel(0, 0), ui::Rgb(255, 0, 0));
  EXPECT_EQ(chords->GetPixel(1, 0), 0xFF0000u);
  EXPECT_EQ(chords->GetPixel(2, 0), ui::Rgb(0x40, 0x41, 0x42));
  EXPECT_NE(run("ConsonaChord=" + dir.filePath("missing.ppm")), 0);
  EXPECT_NE(run("=nothing"), 0);
}

TEST(SkinOutput, GalleryRendersToAPicture) {
  QTemporaryDir dir;
  const QString png = dir.filePath("gallery.png");
  QProcess gallery;
  gallery.start(QString(TINTONIA_BIN_DIR) + "/tna-skin-gallery",
                {"--setup", QString::fromStdString(kSetup), "--png", png});
  ASSERT_TRUE(gallery.waitForFinished(60000));
  EXPECT_EQ(gallery.exitCode(), 0) << gallery.readAllStandardError().toStdString();
  const QImage image(png);
  EXPECT_GE(image.width(), 700);
  EXPECT_GE(image.height(), 700);
}

}  // namespace
