#include "AboutWnd.h"

#include <QWidget>
#include <array>
#include <cmath>

#include "ColorSystem.h"
#include "ControlMessages.h"
#include "ShellObjects.h"

#ifndef TINTONIA_VERSION
#define TINTONIA_VERSION "0.1.0"
#endif

bool CAboutWnd::Open(int left, int top, ui::Window* mainWindow) {
  main_ = mainWindow;
  const ui::Rect rect{left + 160, top + 80, left + 160 + kWidth, top + 80 + kHeight};
  if (!Create(rect, nullptr, ui::WS_POPUP | ui::WS_VISIBLE, "About Tintonia")) return false;
  Widget()->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  Widget()->setWindowFlag(Qt::Tool, true);
  Widget()->setGeometry(rect.left, rect.top, kWidth, kHeight);
  Widget()->show();
  return true;
}

void CAboutWnd::OnMouseDown(ui::Point, ui::MouseButton b) {
  if (b == ui::MouseButton::Left && main_) main_->Post(WM_ABOUT_CLOSED, AsWParam(), 0);
}

void CAboutWnd::OnPaint(ui::DeviceContext& dc) {
  const ui::Rect c = ClientRect();
  const ui::Colour ink = ui::Rgb(51, 51, 51), soft = ui::Rgb(110, 110, 110), accent = ui::Rgb(30, 60, 150);
  dc.FillSolidRect(c, kPanelGrey);
  dc.FrameRect(c, ui::Rgb(160, 160, 160));

  // The twelve note colours of the wheel as a band: a pitch is a colour.
  const int bandTop = 28, bandBottom = 148, left = 28, right = c.right - 28;
  const ColorSystem* colors = Shell().colors.get();
  for (int i = 0; i < 12; ++i) {
    const int x0 = left + (right - left) * i / 12, x1 = left + (right - left) * (i + 1) / 12;
    const ui::Colour colour = colors ? colors->HHlsToRgb(float(i * 30), 127.5f, 255, 255)
                                     : ui::Rgb(200, 200, 200);
    dc.FillSolidRect({x0, bandTop, x1, bandBottom}, colour);
  }
  dc.FillSolidRect({left, bandTop, right, bandTop + 1}, ui::Rgb(120, 120, 120));
  dc.FillSolidRect({left, bandBottom - 1, right, bandBottom}, ui::Rgb(245, 245, 245));
  static constexpr std::array<const char*, 12> kNotes = {"C", "C#", "D", "D#", "E", "F",
                                                        "F#", "G", "G#", "A", "A#", "B"};
  dc.SetBkMode(ui::BkMode::Transparent);
  dc.SetFont("Arial", 8);
  for (int i = 0; i < 12; ++i) {
    const int x0 = left + (right - left) * i / 12, x1 = left + (right - left) * (i + 1) / 12;
    // Dark letters on the light hues, light ones on the deep hues.
    const ui::Colour under = dc.GetPixel((x0 + x1) / 2, bandBottom - 12);
    const int luma = (299 * ui::RedOf(under) + 587 * ui::GreenOf(under) + 114 * ui::BlueOf(under)) / 1000;
    dc.SetTextColor(luma > 150 ? ui::Rgb(40, 40, 44) : ui::Rgb(250, 250, 250));
    dc.DrawText(kNotes[i], {x0, bandBottom - 20, x1, bandBottom - 4}, ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE);
  }

  dc.SetTextColor(ink);
  dc.SetFont("Arial", 22, true);
  dc.DrawText("Tintonia", {left, 166, right, 204}, ui::DT_LEFT | ui::DT_VCENTER | ui::DT_SINGLELINE);
  dc.SetFont("Arial", 9);
  dc.SetTextColor(soft);
  dc.DrawText("Version " TINTONIA_VERSION, {left, 166, right, 204}, ui::DT_RIGHT | ui::DT_BOTTOM | ui::DT_SINGLELINE);
  dc.FillSolidRect({left, 210, left + 60, 212}, accent);

  dc.SetTextColor(ink);
  dc.SetFont("Arial", 10);
  dc.DrawText("Colour design by harmony: a pitch is a colour.", {left, 222, right, 242},
              ui::DT_LEFT | ui::DT_VCENTER | ui::DT_SINGLELINE);
  dc.SetFont("Arial", 9);
  dc.SetTextColor(soft);
  const char* lines[] = {
      "Chords become colour schemes, music becomes coloured voices,",
      "and schemes become palettes and coloured pictures.",
      "",
      "Built on Qt 6, SDL 2, FluidSynth and DevIL.",
      "Sans faces: Liberation and DejaVu fonts.",
  };
  int y = 252;
  for (const char* line : lines) {
    dc.DrawText(line, {left, y, right, y + 16}, ui::DT_LEFT | ui::DT_VCENTER | ui::DT_SINGLELINE);
    y += 17;
  }
  dc.FillSolidRect({left, c.bottom - 44, right, c.bottom - 43}, ui::Rgb(200, 200, 200));
  dc.DrawText("Click anywhere to close.", {left, c.bottom - 38, right, c.bottom - 16},
              ui::DT_LEFT | ui::DT_VCENTER | ui::DT_SINGLELINE);
}
