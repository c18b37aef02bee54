#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "ControlMessages.h"
#include "ControlTestSupport.h"
#include "CsEditCtrl.h"

namespace h = ui::harness;
using N = std::vector<Note>;

namespace {

class Edit : public ControlTest {
 protected:
  CsEditCtrl& Make(int kind, int limit, int max, const std::string& text) {
    fields.push_back(std::make_unique<CsEditCtrl>());
    CsEditCtrl& e = *fields.back();
    const int y = 10 + 25 * int(fields.size());
    e.Create({10, y, 70, y + 18}, &owner, kChild, kind, limit);
    e.SetMax(max);
    e.SetText(text);
    e.SetFocus();
    return e;
  }
  std::vector<int> Values(const CsEditCtrl& e) {
    std::vector<int> out;
    for (const Note& n : owner.From(e))
      if (n.message == CSN_EDIT_CHANGED) out.push_back(int(n.value));
    return out;
  }
  std::vector<std::unique_ptr<CsEditCtrl>> fields;
};

TEST_F(Edit, NumericFieldsRefuseValuesOutOfRange) {
  struct Case {
    int limit;
    const char* start;
    const char* typed;
    const char* text;
    std::vector<int> sent;
  } cases[] = {
      {3, "30", "0", "30", {}},          // 300 > 255
      {3, "30", "-", "30", {}},          // no minus in a three-character field
      {3, "", "2x5", "25", {2, 25}},     // other characters are dropped
      {4, "", "-101", "-10", {0, -1, -10}},
      {4, "", "-100", "-100", {0, -1, -10, -100}},
      {3, "25", "5", "255", {255}},
  };
  for (const Case& c : cases) {
    CsEditCtrl& e = Make(CsEditCtrl::kNumeric, c.limit, 255, c.start);
    h::Type(c.typed);
    EXPECT_EQ(e.GetText(), c.text) << c.typed;
    EXPECT_EQ(Values(e), c.sent) << c.typed;
  }
}

TEST_F(Edit, BackspaceReportsEachValueAndLeavingRestoresTheLast) {
  CsEditCtrl& e = Make(CsEditCtrl::kNumeric, 3, 255, "255");
  CsEditCtrl& other = Make(CsEditCtrl::kNumeric, 3, 255, "1");
  e.SetFocus();
  for (int i = 0; i < 3; ++i) h::Key(ui::VK_BACK);
  EXPECT_EQ(e.GetText(), "");
  other.SetFocus();
  EXPECT_EQ(e.GetText(), "2");
  EXPECT_EQ(Values(e), (std::vector<int>{25, 2, 0, 2}));
}

TEST_F(Edit, HexadecimalAndPlainFields) {
  CsEditCtrl& hex = Make(CsEditCtrl::kHex, 6, 0, "");
  h::Type("1aF9g");
  EXPECT_EQ(hex.GetText(), "1F9");
  EXPECT_EQ(Values(hex), (std::vector<int>{0, 0, 0}));
  h::Key(ui::VK_BACK);
  EXPECT_EQ(Values(hex).size(), 4u);
  CsEditCtrl& plain = Make(0, 20, 0, "");
  h::Type("Ab-1");
  EXPECT_EQ(plain.GetText(), "Ab-1");
  EXPECT_TRUE(Values(plain).empty());
}

TEST_F(Edit, PasteGoesThroughTheSameFilter) {
  CsEditCtrl& e = Make(CsEditCtrl::kNumeric, 3, 255, "");
  QApplication::clipboard()->setText("2x9-9");
  QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, "\x16");
  QApplication::sendEvent(e.KeyTarget(), &paste);
  EXPECT_EQ(e.GetText(), "29");
  EXPECT_EQ(Values(e), (std::vector<int>{2, 29}));
}

TEST_F(Edit, TabMovesThroughTheGroupAndStopsAtTheLast) {
  CsEditCtrl& a = Make(CsEditCtrl::kNumeric | CsEditCtrl::kTabMember, 3, 255, "1");
  CsEditCtrl& b = Make(CsEditCtrl::kNumeric | CsEditCtrl::kTabMember, 3, 255, "22");
  CsEditCtrl& c = Make(CsEditCtrl::kNumeric | CsEditCtrl::kTabMember | CsEditCtrl::kTabEnd, 3, 255, "33");
  EXPECT_EQ(a.TabGroup(), (std::vector<CsEditCtrl*>{&a, &b, &c}));
  a.SetFocus();
  h::Key(ui::VK_TAB);
  EXPECT_TRUE(b.HasFocus());
  EXPECT_TRUE(b.HasSelection());
  h::Key(ui::VK_TAB);
  EXPECT_TRUE(c.HasFocus());
  h::Key(ui::VK_TAB);
  EXPECT_TRUE(c.HasFocus());
  EXPECT_EQ(c.GetText(), "33");
  CsEditCtrl& loose = Make(CsEditCtrl::kNumeric, 3, 255, "4");
  h::Key(ui::VK_TAB);
  EXPECT_TRUE(loose.HasFocus());
}

TEST_F(Edit, EnterIsSwallowedUnlessAllowed) {
  for (int kind : {CsEditCtrl::kNumeric, CsEditCtrl::kEnter}) {
    CsEditCtrl& e = Make(kind, 5, 255, "1");
    owner.keys.clear();
    h::Key(ui::VK_RETURN, &e);
    // Allowed, the key goes on to the window holding the field.
    EXPECT_EQ(owner.keys, kind == CsEditCtrl::kEnter ? std::vector<int>{ui::VK_RETURN} : std::vector<int>{}) << kind;
  }
}

TEST_F(Edit, ClickWithSelectionOnlyDeselects) {
  CsEditCtrl& e = Make(0, 10, 0, "hello");
  e.SetSel(0, -1);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 5), QPointF(20, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(e.KeyTarget(), &press);
  EXPECT_FALSE(e.HasSelection());
  EXPECT_EQ(e.GetText(), "hello");
  EXPECT_EQ(e.ControlId(), 2000);
  EXPECT_EQ(CsEditCtrl::LeadingInteger(" -12ab"), -12);
  EXPECT_EQ(CsEditCtrl::LeadingInteger("99999999999"), 2147483647);
  EXPECT_EQ(CsEditCtrl::LeadingInteger("-"), 0);
}

}  // namespace
