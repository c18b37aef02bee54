#include <gtest/gtest.h>

#include "LayoutIni.h"

namespace {

using Kind = LayoutValue::Kind;

TEST(LayoutIni, AcceptsOrRejectsWholeFiles) {
  struct Case {
    const char* text;
    bool ok;
  } cases[] = {
      {"[CONTROL]\r\nNumber = 29\r\n", true},
      {"[CONTROL]\nNumber = 29\n", false},  // bare line feeds
      {"Number = 29\r\n[CONTROL]\r\n", false},  // key before the first section
      {"[CONTROL]\r\nR = (1, 2, 3)\r\n", false},
      {"[CONTROL]\r\nR = (1, 2, 3, 4, 5)\r\n", false},
      {"  // comment\r\n\t\r\n[ A1 ]  \r\nK_2=\t+7 \r\n", true},
      {"[CONTROL]\r\n/ comment\r\n", false},
      {"[]\r\n", false},
      {"[A-B]\r\n", false},
      {"[A] x\r\n", false},
      {"[A]\r\nK = 1.\r\n", false},
      {"[A]\r\nK = .5\r\n", false},
      {"[A]\r\nK = 1.5f\r\n", true},
      {"[A]\r\nK = 1.5ff\r\n", false},
      {"[A]\r\nK = 0x10\r\n", false},
      {"[A]\r\nK = (+0, 1, 2, 3)\r\n", false},  // a signed zero item
      {"[A]\r\nK = (-0, 1, 2, 3)\r\n", false},
      {"[A]\r\nK = ( -1 ,+2,3 , 4 )\r\n", true},
      {"[A]\r\nK = 2147483647\r\n", true},
      {"[A]\r\nK = 2147483648\r\n", false},  // does not fit in 32 bits
      {"[A]\r\nK = -2147483649\r\n", false},
      {"[A]\r\nK = (0, 0, 0, 99999999999)\r\n", false},
      {"[A]\r\nK = 1\r", true},  // text after the last line feed is ignored
      {"[A]\r\nK = 1\rX\r\n", false},
      {"[A]\r\nK 1\r\n", false},
      {"", true},
  };
  for (const Case& c : cases) {
    LayoutIni ini;
    EXPECT_EQ(ini.Parse(c.text), c.ok) << '"' << c.text << "\" " << ini.LastError();
    if (!c.ok) {
      EXPECT_EQ(ini.Lookup("CONTROL", "Number").kind, Kind::None);
    }
  }
}

TEST(LayoutIni, KeepsIntegersAndRectanglesOnly) {
  LayoutIni ini;
  ASSERT_TRUE(ini.Parse("[S]\r\nNumber = 29\r\nReal = 29.0\r\nMarker = 1000\r\nRect = (1, 2, 30, 40)\r\n"
                        "Empty = (0, 0, 0, 0)\r\nNeg = -12\r\nNumber = 5\r\n[S]\r\nLate = 3\r\n[T]\r\nNumber = 8\r\n"));
  struct Case {
    const char *section, *key;
    Kind kind;
    int32_t integer;
  } cases[] = {
      {"S", "Number", Kind::Integer, 29},  // the first occurrence wins
      {"S", "Real", Kind::None, 0},
      {"S", "Marker", Kind::None, 0},
      {"S", "Empty", Kind::None, 0},
      {"S", "Neg", Kind::Integer, -12},
      {"S", "Late", Kind::None, 0},  // the repeated section is not read
      {"T", "Number", Kind::Integer, 8},
      {"s", "Number", Kind::None, 0},
      {"S", "Missing", Kind::None, 0},
  };
  for (const Case& c : cases) {
    const LayoutValue v = ini.Lookup(c.section, c.key);
    EXPECT_EQ(v.kind, c.kind) << c.section << "." << c.key;
    EXPECT_EQ(v.integer, c.integer) << c.section << "." << c.key;
  }
  const LayoutValue r = ini.Lookup("S", "Rect");
  EXPECT_EQ(r.kind, Kind::Rectangle);
  EXPECT_EQ(r.rect, (ui::Rect{1, 2, 30, 40}));
}

TEST(LayoutIni, OpenFailsWithoutAFile) {
  LayoutIni ini;
  EXPECT_FALSE(ini.Open(nullptr));
  EXPECT_FALSE(ini.Open("/nonexistent/UI_ControlIcon.ini"));
}

}  // namespace
