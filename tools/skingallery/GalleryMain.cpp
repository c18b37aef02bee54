// tna-skin-gallery [--setup DIR] [--png FILE]
// Shows the main panel as the program builds it, the piano keys, every button
// pair, the scroll bar, sliders, fields and the control sheet. With --png the
// window is rendered headless to FILE and the program exits.
#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <cstdio>
#include <memory>
#include <vector>

#include "ControlImages.h"
#include "ControlMessages.h"
#include "CsButtonCtrl.h"
#include "CsCheckCtrl.h"
#include "CsEditCtrl.h"
#include "CsPianoCtrl.h"
#include "CsScrollCtrl.h"
#include "CsSlideCtrl.h"
#include "CsStaticCtrl.h"
#include "DrawListItem.h"
#include "LayoutIni.h"
#include "SkinArchive.h"
#include "ui/ImageQt.h"
#include "ui/ListControl.h"
#include "ui/UiHarness.h"
#include "ui/Window.h"

namespace {

constexpr int kMainX = 12, kMainY = 30;
constexpr int kWidth = 920, kHeight = 950;

const SkinImage& Img(const char* key) { return ControlImage(key); }

class Gallery : public ui::Window {
 public:
  explicit Gallery(const std::string& imageDir) {
    SkinArchive archive;
    archive.Load(imageDir + "Image2.cif", "Back_Main");
    back_.CopyBitmap(archive.Get(""));
    archive.Load(imageDir + "Image2.cif", "Back_KeyBoard");
    keyboard_.CopyBitmap(archive.Get(""));
    archive.Load(imageDir + "Image2.cif", "Circle_HSV");
    circle_.CopyBitmap(archive.Get(""));
    archive.Load(imageDir + "Image1.cif", "ConsonaIcon");
    sheet_.CopyBitmap(archive.Get(""));
  }

  void Build() {
    Create({0, 0, kWidth, kHeight}, nullptr, ui::WS_CAPTION | ui::WS_SYSMENU, "Tintonia skin");
    SetWindowText("Tintonia skin gallery");
    BuildMainPanel();
    BuildPiano();
    BuildButtons();
  }

 protected:
  void OnPaint(ui::DeviceContext& dc) override {
    dc.FillSolidRect(ClientRect(), ui::Rgb(206, 206, 206));
    dc.SetFont("Liberation Sans", 9, true);
    dc.SetBkMode(ui::BkMode::Transparent);
    dc.SetTextColor(ui::Rgb(51, 51, 51));
    dc.TextOut(kMainX, 10, "Main window");
    dc.TextOut(380, 10, "Piano keyboard");
    dc.TextOut(380, 270, "Buttons: normal, pressed, disabled");
    dc.TextOut(kMainX, 470, "Control sheet \"ConsonaIcon\"");
    dc.TextOut(720, 10, "Fields and tracks");
    back_.Draw(dc, kMainX, kMainY);
    Img("CONSONACHORD").Draw(dc, kMainX + 4, kMainY);
    circle_.Draw(dc, kMainX + 81, kMainY + 30);
    // A sample scheme in the scheme bar and the mix swatches.
    const ui::Colour scheme[] = {ui::Rgb(196, 58, 48), ui::Rgb(228, 160, 40), ui::Rgb(72, 150, 82), ui::Rgb(46, 96, 170)};
    const int edges[] = {11, 93, 146, 199, 252};
    for (int i = 0; i < 4; ++i)
      dc.FillSolidRect({kMainX + edges[i], kMainY + 375, kMainX + edges[i + 1], kMainY + 411}, scheme[i]);
    dc.FillSolidRect({kMainX + 262, kMainY + 375, kMainX + 298, kMainY + 393}, ui::Rgb(136, 116, 90));
    dc.FillSolidRect({kMainX + 262, kMainY + 393, kMainX + 298, kMainY + 411}, ui::Rgb(128, 128, 128));
    // Mode area: the colour circle inside the harmony window.
    keyboard_.Draw(dc, 380, kMainY);
    sheet_.Draw(dc, kMainX, 490);
  }

 private:
  template <typename T>
  T* Add() {
    owned_.push_back(std::make_unique<T>());
    return static_cast<T*>(owned_.back().get());
  }
  ui::Rect At(int l, int t, int r, int b) const { return {kMainX + l, kMainY + t, kMainX + r, kMainY + b}; }

  void BuildMainPanel() {
    auto* autoContrast = Add<CsCheckCtrl>();
    autoContrast->Create(At(10, 304, 50, 319), this, ui::WS_CHILD | ui::WS_VISIBLE, CsCheckCtrl::kToggle);
    autoContrast->SetImages(&Img("CHECK_ON"), &Img("CHECK_OFF"), &Img("CHECK_DIS"));
    autoContrast->SetState(1, false);
    auto* label = Add<CsStaticCtrl>();
    label->Create(At(41, 324, 92, 338), this, ui::WS_CHILD | ui::WS_VISIBLE, 5);
    label->SetText("Middle", "Arial", 9);
    const char* minus[] = {"AUTOCONT_MINUS_ON", "AUTOCONT_MINUS_OFF", "AUTOCONT_MINUS_DIS"};
    const char* plus[] = {"AUTOCONT_PLUS_ON", "AUTOCONT_PLUS_OFF", "AUTOCONT_PLUS_DIS"};
    auto* minusButton = Add<CsButtonCtrl>();
    minusButton->Create(At(11, 322, 36, 339), this, ui::WS_CHILD | ui::WS_VISIBLE);
    minusButton->SetImages(&Img(minus[0]), &Img(minus[1]), &Img(minus[2]));
    auto* plusButton = Add<CsButtonCtrl>();
    plusButton->Create(At(98, 322, 123, 339), this, ui::WS_CHILD | ui::WS_VISIBLE);
    plusButton->SetImages(&Img(plus[0]), &Img(plus[1]), &Img(plus[2]));
    plusButton->Enable(false);
    for (int i = 0; i < 2; ++i) {
      auto* slider = Add<CsSlideCtrl>();
      slider->Create(i == 0 ? At(130, 283, 340, 297) : At(130, 315, 340, 329), this, ui::WS_CHILD | ui::WS_VISIBLE);
      slider->SetImages(&Img("SLIDE_CONT"), &Img("THUMB_ON"), &Img("THUMB_OFF"));
      slider->ShowLimitMarks();
      slider->SetMargins(5, 3);
      slider->SetRange(100);
      slider->SetLimitPercent(i == 0 ? 64 : 40);
      slider->SetPosition(i == 0 ? 35 : 12);
      auto* value = Add<CsStaticCtrl>();
      value->Create(i == 0 ? At(211, 298, 227, 310) : At(216, 330, 232, 342), this, ui::WS_CHILD | ui::WS_VISIBLE, 6);
      value->SetText(i == 0 ? "35" : "12", "Ms Sans Serif", 9);
    }
    const int radioX[] = {9, 64, 118, 173, 213}, radioR[] = {54, 109, 163, 213, 253};
    for (int i = 0; i < 5; ++i) {
      auto* radio = Add<CsCheckCtrl>();
      radio->Create(At(radioX[i], 355, radioR[i], 370), this, ui::WS_CHILD | ui::WS_VISIBLE,
                    i == 4 ? 0x0B : 0x09);
      radio->SetImages(&Img("RADIO_ON"), &Img("RADIO_OFF"), nullptr);
      if (i == 4) radio->SetState(1, true);
    }
    auto* named = Add<ui::ListControl>();
    named->Create(ui::ListControl::Kind::DropDown, At(269, 352, 339, 652), this, ui::WS_CHILD | ui::WS_VISIBLE, 600);
    named->SetItemHeight(14);
    named->SetDroppedWidth(70);
    named->SetDrawer([named](const ui::ListItemDraw& item) { DrawListItem(item, *named, item.selected, 9); });
    for (const char* s : {"System", "Pantone", "Ncs", "Dic", "Cos", "Toyo"}) named->AddString(s);
    named->SetCurSel(0);
    auto* favourite = Add<CsButtonCtrl>();
    favourite->Create(At(305, 374, 333, 400), this, ui::WS_CHILD | ui::WS_VISIBLE);
    favourite->SetImages(&Img("TOFAVORITE_ON"), &Img("TOFAVORITE_OFF"), nullptr);
    auto* scheme = Add<CsStaticCtrl>();
    scheme->Create(At(15, 412, 115, 424), this, ui::WS_CHILD | ui::WS_VISIBLE, 4);
    scheme->SetText("0\xC2\xB0" "C-Major2nd", "Ms Sans Serif", 9);
    auto* chordButton = Add<CsButtonCtrl>();
    chordButton->Create(At(10, 220, 47, 257), this, ui::WS_CHILD | ui::WS_VISIBLE);
    chordButton->SetImages(&Img("CHORDLIST_ON"), &Img("CHORDLIST_OFF"), nullptr);
    auto* keyboardButton = Add<CsButtonCtrl>();
    keyboardButton->Create(At(307, 232, 335, 258), this, ui::WS_CHILD | ui::WS_VISIBLE);
    keyboardButton->SetImages(&Img("KEYBOARD_ON"), &Img("KEYBOARD_OFF"), nullptr);
    for (int i = 0; i < 2; ++i) {
      auto* edit = Add<CsEditCtrl>();
      edit->Create({720 + 70 * i, 40, 780 + 70 * i, 58}, this, ui::WS_CHILD | ui::WS_VISIBLE,
                   CsEditCtrl::kNumeric | CsEditCtrl::kTabMember | (i == 1 ? CsEditCtrl::kTabEnd : 0), 3);
      edit->SetMax(255);
      edit->SetText(i == 0 ? "128" : "64");
    }
    auto* scroll = Add<CsScrollCtrl>();
    scroll->Create({720, 80, 900, 92}, this, ui::WS_CHILD | ui::WS_VISIBLE, true);
    scroll->SetImages(&Img("SCROLL"), &Img("THUMB_ON"));
    scroll->SetThumbHalfWidth(5);
    scroll->SetPosition(90);
    auto* small = Add<CsSlideCtrl>();
    small->Create({720, 110, 792, 120}, this, ui::WS_CHILD | ui::WS_VISIBLE);
    small->SetImages(&Img("SLIDE_S"), &Img("THUMB_ON"), &Img("THUMB_OFF"));
    small->SetRange(5);
    small->SetPosition(2);
    auto* large = Add<CsSlideCtrl>();
    large->Create({800, 110, 912, 120}, this, ui::WS_CHILD | ui::WS_VISIBLE);
    large->SetImages(&Img("SLIDE_L"), &Img("THUMB_ON"), &Img("THUMB_OFF"));
    large->SetRange(4);
    large->SetPosition(3);
  }

  void BuildPiano() {
    static const int whiteX[] = {9, 31, 53, 75, 97, 119, 141}, whiteShape[] = {1, 2, 3, 1, 2, 2, 3};
    static const int blackX[] = {22, 44, 89, 111, 133};
    for (int o = 0; o < 2; ++o)
      for (int k = 0; k < 7; ++k) {
        SkinImage& on = keyImages_[whiteShape[k] * 2 - 2];
        SkinImage& off = keyImages_[whiteShape[k] * 2 - 1];
        ui::Region shape = KeyShape(whiteShape[k]);
        auto* key = Add<CsPianoCtrl>();
        const int x = 380 + whiteX[k] + 154 * o, y = kMainY + 53;
        key->Create({x, y, x + 22, y + 119}, this, ui::WS_CHILD | ui::WS_VISIBLE, 1, &shape);
        key->SetImages(&on, &off);
        if (o == 0 && (k == 0 || k == 2 || k == 4)) {
          key->SetState(1, false);
          key->SetLabel(std::to_string(k / 2 + 1), 9);
        }
      }
    for (int o = 0; o < 2; ++o)
      for (int k = 0; k < 5; ++k) {
        auto* key = Add<CsPianoCtrl>();
        const int x = 380 + blackX[k] + 154 * o, y = kMainY + 53;
        key->Create({x, y, x + 15, y + 70}, this, ui::WS_CHILD | ui::WS_VISIBLE, o == 1 && k == 4 ? 3 : 1);
        key->SetImages(&keyImages_[6], &keyImages_[7]);
        if (o == 1 && k == 1) key->SetState(1, false);
      }
  }

  static ui::Region KeyShape(int type) {
    using R = ui::Rect;
    ui::Region lower(R{0, 70, 22, 119});
    if (type == 1) return ui::Region(R{0, 0, 14, 119}) | lower;
    if (type == 2) return ui::Region(R{7, 0, 14, 119}) | lower;
    return ui::Region(R{7, 0, 22, 119}) | lower;
  }

  void BuildButtons() {
    const char* pairs[][2] = {{"OPEN_ON", "OPEN_OFF"},   {"PLAY_ON", "PLAY_OFF"},     {"STOP_ON", "STOP_OFF"},
                              {"NEW_ON", "NEW_OFF"},     {"DELETE_ON", "DELETE_OFF"}, {"MENU_ON", "MENU_OFF"},
                              {"OK_ON", "OK_OFF"},       {"CHORD_PLAY_ON", "CHORD_PLAY_OFF"},
                              {"KEYBOARD_ON", "KEYBOARD_OFF"}, {"CHORDLIST_ON", "CHORDLIST_OFF"},
                              {"HAND_ON", "HAND_OFF"},   {"ZOOM_ON", "ZOOM_OFF"},     {"PICKER_ON", "PICKER_OFF"},
                              {"BUCKET_ON", "BUCKET_OFF"}, {"ROTATE_ON", "ROTATE_OFF"}, {"CLEAR_ON", "CLEAR_OFF"},
                              {"TOFAVORITE_ON", "TOFAVORITE_OFF"}, {"FAVORITE_ON", "FAVORITE_OFF"}};
    int x = 380, y = 290, row = 0;
    for (const auto& pair : pairs) {
      const SkinImage& on = Img(pair[0]);
      const int w = std::max(on.Width(), 16), h = std::max(on.Height(), 16);
      if (x + 2 * w + 14 > 710) {
        x = 380;
        y += row + 10;
        row = 0;
      }
      for (int state = 0; state < 2; ++state) {
        auto* button = Add<CsButtonCtrl>();
        button->Create({x, y, x + w, y + h}, this, ui::WS_CHILD | ui::WS_VISIBLE);
        button->SetImages(&on, &Img(pair[1]), &Img(pair[1]));
        if (state == 1) {
          // Show the pressed face as a held button would.
          ui::DeviceContext dc = button->ClientDc();
          on.Draw(dc, 0, 0);
        }
        x += w + 4;
      }
      x += 10;
      row = std::max(row, h);
    }
    y += row + 14;
    const char* checks[][3] = {{"CHECK_ON", "CHECK_OFF", "CHECK_DIS"}, {"RADIO_ON", "RADIO_OFF", "RADIO_OFF"}};
    for (int c = 0; c < 2; ++c)
      for (int state = 0; state < 3; ++state) {
        auto* box = Add<CsCheckCtrl>();
        const int bx = 380 + 22 * (state + 3 * c);
        box->Create({bx, y, bx + 13, y + 13}, this, ui::WS_CHILD | ui::WS_VISIBLE, CsCheckCtrl::kToggle);
        box->SetImages(&Img(checks[c][0]), &Img(checks[c][1]), &Img(checks[c][2]));
        box->SetState(state == 0 ? 1 : 0, false);
        if (state == 2) box->Enable(false);
      }
  }

 public:
  void LoadKeys(const std::string& setupDir) {
    LayoutIni layout;
    SkinArchive archive;
    if (!layout.Open((setupDir + "UI_ControlIcon.ini").c_str())) return;
    archive.Load(setupDir + "Image/Image1.cif", "ConsonaIcon");
    SkinImage sheet;
    sheet.CopyBitmap(archive.Get(""));
    const char* keys[] = {"WHITE_KEYBORAD1_ON", "WHITE_KEYBORAD1_OFF", "WHITE_KEYBORAD2_ON", "WHITE_KEYBORAD2_OFF",
                          "WHITE_KEYBORAD3_ON", "WHITE_KEYBORAD3_OFF", "BLACK_KEYBORAD1_ON", "BLACK_KEYBORAD1_OFF"};
    for (int i = 0; i < 8; ++i) {
      const LayoutValue v = layout.Lookup("CONTROL", keys[i]);
      keyImages_[i].CutFrom(sheet, v.kind == LayoutValue::Kind::Rectangle ? v.rect : ui::Rect{});
    }
  }

 private:
  SkinImage back_, keyboard_, circle_, sheet_;
  SkinImage keyImages_[8];
  std::vector<std::unique_ptr<ui::Window>> owned_;
};

}  // namespace

int main(int argc, char** argv) {
  std::string setup, png;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--setup" && i + 1 < argc) setup = argv[++i];
    else if (arg == "--png" && i + 1 < argc) png = argv[++i];
    else {
      std::fprintf(stderr, "usage: tna-skin-gallery [--setup DIR] [--png FILE]\n");
      return 2;
    }
  }
  if (!png.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (setup.empty()) setup = QCoreApplication::applicationDirPath().toStdString() + "/SetUp";
  setup += "/";
  if (!LoadControlImages((setup + "UI_ControlIcon.ini").c_str(), (setup + "Image/Image1.cif").c_str())) {
    std::fprintf(stderr, "tna-skin-gallery: cannot read the skin in %s\n", setup.c_str());
    return 1;
  }
  Gallery gallery(setup + "Image/");
  gallery.LoadKeys(setup);
  gallery.Build();
  if (png.empty()) {
    gallery.Show(true);
    return app.exec();
  }
  ui::harness::Pump();
  const QImage shot = ui::ToQImage(ui::harness::Grab(gallery));
  if (!shot.save(QString::fromStdString(png))) {
    std::fprintf(stderr, "tna-skin-gallery: cannot write %s\n", png.c_str());
    return 1;
  }
  return 0;
}
