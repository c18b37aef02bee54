#include "ShellObjects.h"

#include "ChordIcons.h"
#include "ColorSystem.h"
#include "ConsonaSystem.h"
#include "ControlMessages.h"
#include "SchemeState.h"
#include "SetupData.h"
#include "SkinArchive.h"
#include "SkinImage.h"

ShellObjects::ShellObjects() = default;
ShellObjects::~ShellObjects() = default;

void ShellObjects::Release() {
  chordIcons.reset();
  setup.reset();
  colors.reset();
  consona.reset();
}

ShellObjects& Shell() {
  static ShellObjects objects;
  return objects;
}

bool DrawSkinBackground(ui::DeviceContext& dc, const char* name, int width, int height) {
  dc.FillSolidRect({0, 0, width, height}, kPanelGrey);
  SkinArchive& archive = SkinArchive::Instance();
  archive.Load(Scheme().ImageFolder() + "Image2.cif", name);
  SkinImage picture;
  picture.CopyBitmap(archive.Get(""));
  return picture.Draw(dc, 0, 0);
}
