#include "ControlImages.h"

#include "LayoutIni.h"
#include "SkinArchive.h"

std::array<SkinImage, 72> controlImages;

SkinImage& ControlImage(std::string_view key) {
  for (size_t i = 0; i < kControlImageKeys.size(); ++i)
    if (key == kControlImageKeys[i]) return controlImages[i];
  static SkinImage none;
  none.Release();
  return none;
}

bool LoadControlImages(const char* layoutPath, const char* archivePath) {
  LayoutIni layout;
  if (!layout.Open(layoutPath)) return false;
  SkinArchive& archive = SkinArchive::Instance();
  archive.Load(archivePath ? archivePath : "", "");
  SkinImage sheet;
  sheet.CopyBitmap(archive.Get("ConsonaIcon"));
  for (size_t i = 0; i < kControlImageKeys.size(); ++i) {
    const LayoutValue v = layout.Lookup("CONTROL", kControlImageKeys[i]);
    const ui::Rect rect = v.kind == LayoutValue::Kind::Rectangle ? v.rect : ui::Rect{};
    controlImages[i].CutFrom(sheet, rect);
  }
  return true;
}
