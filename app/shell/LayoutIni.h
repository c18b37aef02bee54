#pragma once
// LayoutIni: a layout file of sections and typed keys. Every line ends with CR
// LF; blanks are spaces and tabs; lines are blank, "//" comments, "[Name]"
// sections or "Key = value" where a value is an integer, a real ("1.5",
// "1.5f") or a rectangle "(l, t, r, b)". Any error fails the whole file and
// LastError() names the line. A repeated section or key keeps its first
// occurrence. Only integers and rectangles are kept: reals, the integer 1000
// and the rectangle (0, 0, 0, 0) read back as no value.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "ui/UiTypes.h"

struct LayoutValue {
  enum class Kind { None, Integer, Rectangle };
  Kind kind = Kind::None;
  int32_t integer = 0;
  ui::Rect rect;
};

class LayoutIni {
 public:
  bool Open(const char* path);
  bool Parse(std::string_view text);
  LayoutValue Lookup(const std::string& section, const std::string& key) const;
  const std::string& LastError() const { return error_; }

 private:
  std::map<std::string, std::map<std::string, LayoutValue>> sections_;
  std::string error_;
};
