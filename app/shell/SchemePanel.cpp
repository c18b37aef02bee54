#include "SchemePanel.h"

#include "ColorSystem.h"
#include "ControlImages.h"
#include "DrawListItem.h"
#include "SchemeState.h"
#include "ShellObjects.h"

namespace {

constexpr uint32_t kChildVisible = 0x50000000;
constexpr int kBarTop = 375, kBarBottom = 411;

// Right edges of the boxes of each row; every row starts at 11.
constexpr int kBoxRight[7][7] = {
    {252},
    {161, 252},
    {114, 183, 252},
    {93, 146, 199, 252},
    {76, 120, 164, 208, 252},
    {67, 104, 141, 178, 215, 252},
    {60, 92, 124, 156, 188, 220, 252},
};

void SetupSlider(CsSlideCtrl& slider, const ui::Rect& rect, ui::Window* parent) {
  slider.Create(rect, parent, kChildVisible);
  slider.SetImages(&ControlImage("SLIDE_CONT"), &ControlImage("THUMB_ON"), &ControlImage("THUMB_OFF"));
  slider.ShowLimitMarks();
  slider.SetMargins(5, 3);
  slider.SetRange(100);
}

void SetupStatic(CsStaticCtrl& s, const ui::Rect& rect, ui::Window* parent, unsigned format,
                 const char* text, const char* face) {
  s.Create(rect, parent, kChildVisible, format);
  s.SetText(text, face, 9);
}

}  // namespace

std::vector<ui::Rect> SchemePanel::Boxes(int count) {
  std::vector<ui::Rect> boxes;
  if (count < 1 || count > 7) return boxes;
  int left = 11;
  for (int i = 0; i < count; ++i) {
    const int right = kBoxRight[count - 1][i];
    boxes.push_back({left, kBarTop, right, kBarBottom});
    left = right;
  }
  return boxes;
}

void SchemePanel::Create(ui::Window* parent) {
  autoContrast.Create({10, 304, 50, 319}, parent, kChildVisible, CsCheckCtrl::kToggle);
  autoContrast.SetImages(&ControlImage("CHECK_ON"), &ControlImage("CHECK_OFF"), &ControlImage("CHECK_DIS"));
  SetupStatic(contrastLabel, {41, 324, 92, 338}, parent, 5, "None", "Arial");
  minus.Create({11, 322, 36, 339}, parent, kChildVisible);
  minus.SetImages(&ControlImage("AUTOCONT_MINUS_ON"), &ControlImage("AUTOCONT_MINUS_OFF"),
                  &ControlImage("AUTOCONT_MINUS_DIS"));
  minus.Enable(false);
  plus.Create({98, 322, 123, 339}, parent, kChildVisible);
  plus.SetImages(&ControlImage("AUTOCONT_PLUS_ON"), &ControlImage("AUTOCONT_PLUS_OFF"),
                 &ControlImage("AUTOCONT_PLUS_DIS"));
  plus.Enable(false);
  SetupSlider(luminance, {130, 283, 340, 297}, parent);
  SetupSlider(saturation, {130, 315, 340, 329}, parent);
  SetupStatic(luminanceValue, {211, 298, 227, 310}, parent, 6, "0", "MS Sans Serif");
  SetupStatic(saturationValue, {216, 330, 232, 342}, parent, 6, "0", "MS Sans Serif");
  SetupStatic(label, {15, 412, 115, 424}, parent, 4, "0\xCB\x9A" "C-Major2nd", "MS Sans Serif");
  const ui::Rect radios[5] = {{9, 355, 54, 370}, {64, 355, 109, 370}, {118, 355, 163, 370},
                              {173, 355, 213, 370}, {213, 355, 253, 370}};
  for (int i = 0; i < 5; ++i) {
    const int kind = CsCheckCtrl::kRadio | CsCheckCtrl::kGroupMember | (i == 4 ? CsCheckCtrl::kGroupEnd : 0);
    quantize[i].Create(radios[i], parent, kChildVisible, kind);
    quantize[i].SetImages(&ControlImage("RADIO_ON"), &ControlImage("RADIO_OFF"), nullptr);
  }
  quantize[4].SetState(1, true);
  namedSystem.Create(ui::ListControl::Kind::DropDown, {269, 352, 339, 652}, parent, kChildVisible, kNamedSystemId);
  namedSystem.SetItemHeight(14);
  namedSystem.SetDroppedWidth(70);
  namedSystem.SetDrawer([this](const ui::ListItemDraw& item) { DrawListItem(item, namedSystem, item.selected, 9); });
  for (const char* name : {"System", "Pantone", "Ncs", "Dic", "Cos", "Toyo"}) namedSystem.AddString(name);
  namedSystem.SetCurSel(0);
  toFavourites.Create({305, 374, 333, 400}, parent, kChildVisible);
  toFavourites.SetImages(&ControlImage("TOFAVORITE_ON"), &ControlImage("TOFAVORITE_OFF"), nullptr);
  tip.Create(parent);
  tip.SetMaxTipWidth(100);
}

void SchemePanel::SetLabel(const std::string& text) { label.SetText(text, "MS Sans Serif", 9); }

void SchemePanel::DrawBar(ui::DeviceContext& dc, int count) const {
  const SchemeState& s = Scheme();
  const std::vector<ui::Rect> boxes = Boxes(count);
  for (size_t i = 0; i < boxes.size(); ++i) dc.FillSolidRect(boxes[i], s.schemeColors[i]);
  const ColorSystem* colors = Shell().colors.get();
  if (!colors || count < 1) return;
  dc.FillSolidRect({262, 375, 298, 393}, colors->CalculMix(s.schemeColors.data(), count));
  uint32_t hues[7] = {};
  uint32_t lower = 0;
  if (s.referenceColors[0] != 0) {
    ColorSystem work(*colors);
    for (int i = 0; i < count; ++i) {
      const float hue = work.OutColorData(&s.referenceColors[i], ColorSystem::cmNoteHue);
      hues[i] = work.HHlsToRgb(hue, 127.5f, 255, 255);
    }
    lower = colors->CalculMix(hues, count);
  }
  dc.FillSolidRect({262, 393, 298, 411}, lower);
}
