#include "ControlMessages.h"
#include "ControlTestSupport.h"
#include "CsButtonCtrl.h"
#include "CsCheckCtrl.h"
#include "CsPianoCtrl.h"
#include "CsScrollCtrl.h"
#include "CsSlideCtrl.h"
#include "CsStaticCtrl.h"
#include "DrawListItem.h"
#include "SlideTrack.h"

namespace h = ui::harness;
using ui::Rgb;
using N = std::vector<Note>;

namespace {

class Buttons : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    for (CsButtonCtrl* b : {&a, &b}) {
      b->Create(b == &a ? ui::Rect{10, 10, 30, 30} : ui::Rect{40, 10, 60, 30}, &owner, kChild);
      b->SetImages(&pressed, &normal, &disabled);
    }
  }
  SkinImage pressed = Solid(20, 20, Rgb(210, 214, 226)), normal = Solid(20, 20, Rgb(242, 242, 242)),
            disabled = Solid(20, 20, Rgb(200, 200, 200));
  CsButtonCtrl a, b;
};

TEST_F(Buttons, ReleasedOutsideSendsNoClickButEndsThePress) {
  h::MouseDown(a, {5, 5});
  EXPECT_TRUE(a.HasCapture());
  EXPECT_EQ(a.Surface().GetPixel(3, 3), Rgb(210, 214, 226));
  h::MouseUp(a, {45, 5});
  EXPECT_FALSE(a.HasCapture());
  EXPECT_EQ(owner.From(a), (N{{CSN_BUTTON_PRESSED, a.AsWParam(), 0}, {CSN_BUTTON_RELEASED, a.AsWParam(), 0}}));
  EXPECT_EQ(a.Surface().GetPixel(3, 3), Rgb(242, 242, 242));
}

TEST_F(Buttons, ClicksFlipOneFlagSharedByAllButtons) {
  const int before = CsButtonCtrl::ClickFlag();
  h::Click(a, {5, 5});
  h::Click(b, {5, 5});
  const N fromA = owner.From(a), fromB = owner.From(b);
  ASSERT_EQ(fromA.size(), 3u);
  EXPECT_EQ(fromA[1], (Note{CSN_BUTTON_CLICKED, a.AsWParam(), !before}));
  EXPECT_EQ(fromA[2], (Note{CSN_BUTTON_RELEASED, a.AsWParam(), 1}));
  EXPECT_EQ(fromB[1], (Note{CSN_BUTTON_CLICKED, b.AsWParam(), before}));
}

TEST_F(Buttons, DisablingWhilePressedReleasesCaptureAndPress) {
  h::MouseDown(a, {5, 5});
  a.Enable(false);
  EXPECT_EQ(ui::Window::Capture(), nullptr);
  EXPECT_FALSE(a.IsPressed());
  EXPECT_EQ(a.Surface().GetPixel(3, 3), Rgb(200, 200, 200));
  h::MouseUp(a, {5, 5});
  h::Click(a, {5, 5});
  EXPECT_EQ(owner.From(a), (N{{CSN_BUTTON_PRESSED, a.AsWParam(), 0}, {CSN_BUTTON_RELEASED, a.AsWParam(), 0}}));
}

TEST_F(Buttons, NothingIsDrawnWithoutAPressedImage) {
  CsButtonCtrl bare;
  bare.Create({70, 10, 90, 30}, &owner, kChild);
  bare.SetImages(nullptr, &normal, &disabled);
  EXPECT_EQ(bare.Surface().Bits()[0], 0u);  // unpainted: the parent shows through
}

class Checks : public ControlTest {
 protected:
  CsCheckCtrl* Make(int kind, int index) {
    boxes.push_back(std::make_unique<CsCheckCtrl>());
    boxes.back()->Create({10 + 30 * index, 10, 30 + 30 * index, 25}, &owner, kChild, kind);
    boxes.back()->SetImages(&on, &off, &dis);
    return boxes.back().get();
  }
  SkinImage on = Solid(20, 15, Rgb(30, 60, 150)), off = Solid(20, 15, Rgb(250, 250, 248)),
            dis = Solid(20, 15, Rgb(200, 200, 200));
  std::vector<std::unique_ptr<CsCheckCtrl>> boxes;
};

TEST_F(Checks, RadioClickPostsOneAndClearsTheGroupSilently) {
  CsCheckCtrl *r0 = Make(0x09, 0), *r1 = Make(0x09, 1), *r2 = Make(0x0B, 2);
  r0->SetState(1, true);
  h::Click(*r2, {5, 5});
  EXPECT_EQ(owner.From(*r2), (N{{CSN_CHECK_CHANGED, r2->AsWParam(), 1}}));
  EXPECT_TRUE(owner.From(*r0).empty());
  EXPECT_EQ(r0->GetState(), 0);
  EXPECT_EQ(r1->GetState(), 0);
  EXPECT_EQ(r2->GetState(), 1);
  EXPECT_EQ(r0->Surface().GetPixel(1, 1), Rgb(250, 250, 248));
  EXPECT_EQ(r2->Surface().GetPixel(1, 1), Rgb(30, 60, 150));
  EXPECT_EQ(r0->Group().size(), 2u);
}

TEST_F(Checks, DoubleClicks) {
  CsCheckCtrl* toggle = Make(0x04, 0);
  h::DoubleClick(*toggle, {5, 5});
  EXPECT_EQ(owner.From(*toggle), (N{{CSN_CHECK_CHANGED, toggle->AsWParam(), 1}, {CSN_CHECK_CHANGED, toggle->AsWParam(), 0}}));
  EXPECT_EQ(toggle->GetState(), 0);

  CsCheckCtrl *r0 = Make(0x09, 1), *r1 = Make(0x0B, 2);
  h::DoubleClick(*r1, {5, 5});
  EXPECT_EQ(owner.From(*r1), (N{{CSN_CHECK_CHANGED, r1->AsWParam(), 1}, {CSN_CHECK_DBLCLK, r1->AsWParam(), 0}}));
  EXPECT_EQ(r0->GetState(), 0);
}

TEST_F(Checks, TwoWayTakesTheSecondChoiceFlag) {
  CsCheckCtrl *t0 = Make(0x11, 0), *t1 = Make(0x13, 1);
  t0->SetState(2, false);
  h::Click(*t1, {5, 5});  // state 2 clears the group
  EXPECT_EQ(owner.From(*t1), (N{{CSN_CHECK_ALT, t1->AsWParam(), 2}}));
  EXPECT_EQ(t0->GetState(), 0);
  t0->SetState(2, false);
  t1->SetSecondChoice(true);
  h::Click(*t1, {5, 5});  // state 1 leaves it alone
  EXPECT_EQ(owner.From(*t1).back(), (Note{CSN_CHECK_ALT, t1->AsWParam(), 1}));
  EXPECT_EQ(t0->GetState(), 2);
  t1->SetState(7, false);  // not a state: kept
  EXPECT_EQ(t1->GetState(), 1);
  t1->Enable(false);
  h::Click(*t1, {5, 5});
  EXPECT_EQ(owner.From(*t1).size(), 2u);
}

class Piano : public ControlTest {};

TEST_F(Piano, ClicksToggleShapesHonouredGroupsCleared) {
  SkinImage down = Solid(22, 119, Rgb(214, 220, 238)), up = Solid(22, 119, Rgb(250, 250, 248));
  const ui::Region shape = ui::Region(ui::Rect{0, 0, 14, 119}) | ui::Region(ui::Rect{14, 70, 22, 119});
  CsPianoCtrl c, d;
  c.Create({9, 53, 31, 172}, &owner, kChild, 1, &shape);
  d.Create({31, 53, 53, 172}, &owner, kChild, 3);
  c.SetImages(&down, &up);
  d.SetImages(&down, &up);
  h::ClickAt(owner, {9 + 18, 53 + 10});  // in the notch: never reaches the key
  EXPECT_TRUE(owner.notes.empty());
  h::ClickAt(owner, {9 + 5, 53 + 10});
  ASSERT_EQ(owner.notes.size(), 1u);  // sent, not posted
  EXPECT_EQ(owner.notes[0], (Note{CSN_PIANO_KEY, c.AsWParam(), 1}));
  EXPECT_TRUE(c.IsDown());
  c.SetLabel("3", 9);
  EXPECT_EQ(c.GetLabelNumber(), 3);
  h::Click(c, {5, 100});
  EXPECT_EQ(owner.notes.back(), (Note{CSN_PIANO_KEY, c.AsWParam(), 0}));
  c.SetState(1, false);
  d.SetState(1, true);
  EXPECT_FALSE(c.IsDown());
  EXPECT_TRUE(d.IsDown());
  d.SetLabel("12", 9);
  d.SetState(1, false);
  EXPECT_EQ(d.GetLabelNumber(), 0);  // a state change empties the label
}

class Scroll : public ControlTest {};

TEST_F(Scroll, PositionsFromTheMouse) {
  SkinImage track = Solid(120, 4, Rgb(205, 205, 205)), thumb = Solid(10, 10, Rgb(242, 242, 242));
  CsScrollCtrl bar;
  bar.Create({0, 100, 120, 112}, &owner, kChild, true);
  bar.SetImages(&track, &thumb);
  bar.SetThumbHalfWidth(10);  // track T = 100
  bar.range = 1000;
  h::MouseDown(bar, {60, 5});
  EXPECT_EQ(bar.GetPosition(), 500);
  h::MouseMove(bar, {35, 5});
  h::MouseUp(bar, {400, 5});  // right of the track
  EXPECT_EQ(owner.From(bar), (N{{CSN_SCROLL_CLICKED, bar.AsWParam(), 0},
                                {CSN_SCROLL_MOVED, bar.AsWParam(), 250},
                                {CSN_SCROLL_MOVED, bar.AsWParam(), 1000}}));
  bar.SetPosition(500);
  EXPECT_FLOAT_EQ(bar.ThumbOffset(), 50.0f);
  EXPECT_EQ(bar.Surface().GetPixel(50, 2), Rgb(242, 242, 242));
  EXPECT_EQ(bar.Surface().GetPixel(5, 8), Rgb(205, 205, 205));

  // No range, or no track: position 0, never a division by zero.
  bar.range = 0;
  bar.SetPosition(7);
  h::Click(bar, {60, 5});
  EXPECT_EQ(bar.GetPosition(), 0);
  bar.range = 10;
  bar.SetThumbHalfWidth(60);
  h::Click(bar, {60, 5});
  EXPECT_EQ(bar.GetPosition(), 0);
}

TEST(SlideTrackNumbers, StepsLimitsAndSnapping) {
  struct Case {
    int length, range, percent;
    float step;
    int limit;
  } cases[] = {
      {200, 100, 40, 2.0f, 79},  // 8000 x 0.01f lands just below 80
      {203, 100, 40, 2.0f, 81},
      {200, 100, 50, 2.0f, 99},
      {200, 100, 64, 2.0f, 127},
      {60, 7, 100, 8.0f, 59},
  };
  for (const Case& c : cases) {
    SlideTrack t;
    t.SetTrackLength(c.length);
    t.SetRange(c.range);
    t.SetLimitPercent(c.percent);
    EXPECT_FLOAT_EQ(t.StepSize(), c.step) << c.length;
    EXPECT_EQ(t.Limit(), c.limit) << c.length << " " << c.percent;
  }
  float snapped = 0;
  EXPECT_EQ(SlideTrack::Snap(2, 51, &snapped), 25);
  EXPECT_FLOAT_EQ(snapped, 50);
  EXPECT_EQ(SlideTrack::Snap(2, 85, &snapped), 42);  // ties go down
  EXPECT_EQ(SlideTrack::Snap(2, 85.5f, &snapped), 43);
  EXPECT_EQ(SlideTrack::Snap(0, 85, &snapped), 0);
  SlideTrack t;
  t.SetTrackLength(200);
  t.SetRange(100);
  t.SetPosition(37);
  EXPECT_EQ(t.GetPosition(), 37);
  t.SetRange(0);
  t.SetPosition(5);
  EXPECT_EQ(t.GetPosition(), 0);
  t.SetTrackLength(-2);
  EXPECT_EQ(t.GetPosition(), 0);
}

class Slider : public ControlTest {
 protected:
  CsSlideCtrl* Make(int trackWidth, int width) {
    track = Solid(trackWidth, 6, Rgb(205, 205, 205));
    slider.Create({0, 0, width, 14}, &owner, kChild);
    slider.SetImages(&track, &thumb, &thumbOff);
    return &slider;
  }
  N Indices() {
    N out = owner.From(slider);
    return out;
  }
  SkinImage track, thumb = Solid(10, 10, Rgb(242, 242, 242)), thumbOff = Solid(10, 10, Rgb(230, 230, 230));
  CsSlideCtrl slider;
};

TEST_F(Slider, IndicesFromPressesAndDrags) {
  Make(202, 210)->SetRange(100);
  EXPECT_EQ(slider.Track().Length(), 200);
  h::MouseDown(slider, {51, 5});
  h::MouseMove(slider, {52, 5});  // still index 26? 52 snaps to 52: a new index
  h::MouseMove(slider, {52, 5});  // same index: nothing
  h::MouseUp(slider, {52, 5});
  EXPECT_EQ(Indices(), (N{{CSN_SLIDER_MOVED, slider.AsWParam(), 25}, {CSN_SLIDER_MOVED, slider.AsWParam(), 26}}));
  EXPECT_TRUE(slider.HasFocus());
  EXPECT_EQ(slider.Surface().GetPixel(53, 3), Rgb(242, 242, 242));  // the thumb at p = 52
}

TEST_F(Slider, RoundedStepsReachPastTheRange) {
  Make(205, 215)->SetRange(100);
  EXPECT_FLOAT_EQ(slider.Track().StepSize(), 2.0f);
  h::Click(slider, {203, 5});
  EXPECT_EQ(Indices().back().value, 101);
}

TEST_F(Slider, LimitStopsTheWheelButNotTheDrag) {
  Make(202, 210);
  slider.ShowLimitMarks();
  slider.SetMargins(5, 3);
  slider.SetRange(100);
  slider.SetLimitPercent(40);
  EXPECT_EQ(slider.Track().Limit(), 79);
  EXPECT_EQ(slider.ActiveArea(), (ui::Rect{0, 0, 85, 14}));
  h::Click(slider, {0, 5});  // focus; index 0
  for (int i = 0; i < 60; ++i) h::Wheel(slider, 120);
  N sent = Indices();
  EXPECT_EQ(sent.back().value, 39);
  EXPECT_EQ(sent.size(), 40u);  // the click, then 39 turns; the rest were undone
  EXPECT_FLOAT_EQ(slider.Track().Offset(), 78.0f);
  h::Wheel(slider, -120);
  EXPECT_EQ(Indices().back().value, 38);
  h::MouseDown(slider, {10, 5});
  h::MouseMove(slider, {300, 5});
  h::MouseUp(slider, {300, 5});
  EXPECT_EQ(Indices().back().value, 42);
  EXPECT_FLOAT_EQ(slider.Track().Offset(), 84.0f);
  h::Click(slider, {100, 5});  // outside the active area: ignored
  EXPECT_EQ(Indices().back().value, 42);
}

TEST_F(Slider, NoRangeOrNoTrackMeansNoInput) {
  Make(202, 210)->SetRange(0);
  EXPECT_TRUE(slider.IsDisabled());
  EXPECT_EQ(slider.Surface().GetPixel(3, 3), Rgb(230, 230, 230));  // the disabled thumb
  h::Click(slider, {50, 5});
  h::Wheel(slider, 120);
  EXPECT_TRUE(Indices().empty());
  SkinImage stub = Solid(1, 6, 0);
  slider.SetImages(&stub, &thumb, &thumbOff);
  slider.SetRange(5);
  EXPECT_FLOAT_EQ(slider.Track().StepSize(), 0.0f);
  h::Click(slider, {50, 5});
  EXPECT_TRUE(Indices().empty());
  EXPECT_EQ(slider.GetPosition(), 0);
}

class Statics : public ControlTest {};

TEST_F(Statics, ImageSeeThroughAndClicks) {
  CsStaticCtrl plain, swatch;
  plain.Create({0, 0, 60, 14}, &owner, kChild, 6);
  plain.SetText("35", "Ms Sans Serif", 9);
  EXPECT_EQ(plain.Surface().GetPixel(1, 1), ui::Colour(kPanelGrey));
  h::Click(plain, {3, 3});
  EXPECT_TRUE(owner.From(plain).empty());

  SkinImage face = Solid(27, 26, Rgb(242, 242, 242));
  {
    ui::DeviceContext dc = face.Dc();
    dc.FillSolidRect({3, 3, 25, 24}, kSkinKey);
  }
  swatch.Create({100, 0, 127, 26}, &owner, kChild, 4);
  {
    ui::DeviceContext dc = swatch.ClientDc();
    dc.FillSolidRect({0, 0, 27, 26}, Rgb(255, 0, 0));
  }
  swatch.image = &face;
  swatch.Redraw();
  EXPECT_EQ(swatch.Surface().GetPixel(10, 10), Rgb(255, 0, 0));  // through the blue
  EXPECT_EQ(swatch.Surface().GetPixel(1, 1), Rgb(242, 242, 242));
  h::Click(swatch, {3, 3});
  EXPECT_EQ(owner.From(swatch), (N{{CSN_SPACE_CHANGED, swatch.AsWParam(), 0}}));
}

TEST_F(Statics, ListItemsPaintSelectedAndPlain) {
  ui::Image img(80, 28);
  ui::DeviceContext dc(img);
  ui::ListControl list;
  DrawListItem({&dc, {0, 0, 80, 14}, 0, "System", false}, list, false, 9);
  DrawListItem({&dc, {0, 14, 80, 28}, 1, "Pantone", true}, list, true, 9);
  EXPECT_EQ(img.GetPixel(0, 0), Rgb(255, 255, 255));
  EXPECT_EQ(img.GetPixel(79, 27), Rgb(30, 60, 150));
  bool dark = false, light = false;
  for (int x = 2; x < 40; ++x)
    for (int y = 0; y < 28; ++y) {
      dark |= y < 14 && img.GetPixel(x, y) == Rgb(0, 0, 0);
      light |= y >= 14 && img.GetPixel(x, y) == Rgb(255, 255, 255);
    }
  EXPECT_TRUE(dark);
  EXPECT_TRUE(light);
}

}  // namespace
