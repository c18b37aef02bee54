#include "LayoutIni.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>

namespace {

constexpr size_t kMaxLayoutBytes = 16u << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlnum(char c) { return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A cursor over one line (without its CR LF).
struct Cursor {
  std::string_view s;
  size_t i = 0;
  bool AtEnd() const { return i >= s.size(); }
  char Peek() const { return AtEnd() ? '\0' : s[i]; }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(s[i])) ++i;
  }
  bool Eat(char c) {
    if (Peek() != c) return false;
    ++i;
    return true;
  }
};

enum class Number { Bad, Integer, Real, TooLarge };

// An integer with optional sign; sets `signedZero` when a zero carries a sign.
Number ReadInteger(Cursor& c, int32_t& value, bool& signedZero) {
  const size_t start = c.i;
  const bool sign = c.Peek() == '+' || c.Peek() == '-';
  if (sign) ++c.i;
  const size_t digits = c.i;
  while (IsDigit(c.Peek())) ++c.i;
  if (c.i == digits) return Number::Bad;
  const char* first = c.s.data() + start + (c.s[start] == '+' ? 1 : 0);
  int64_t wide = 0;
  const auto [end, ec] = std::from_chars(first, c.s.data() + c.i, wide);
  if (ec != std::errc() || end != c.s.data() + c.i || wide < INT32_MIN || wide > INT32_MAX) {
    return Number::TooLarge;
  }
  value = int32_t(wide);
  signedZero = sign && wide == 0;
  return Number::Integer;
}

struct Parsed {
  LayoutValue value;
  std::string error;
};

Parsed ReadValue(Cursor& c) {
  Parsed out;
  if (c.Eat('(')) {
    int32_t items[4];
    for (int k = 0; k < 4; ++k) {
      c.SkipBlanks();
      bool signedZero = false;
      const Number n = ReadInteger(c, items[k], signedZero);
      if (n == Number::TooLarge) return {{}, "rectangle item does not fit in 32 bits"};
      if (n != Number::Integer) return {{}, "rectangle item is not an integer"};
      if (signedZero) return {{}, "rectangle item is a zero with a sign"};
      c.SkipBlanks();
      if (!c.Eat(k < 3 ? ',' : ')')) return {{}, k < 3 ? "rectangle needs four items" : "rectangle not closed"};
    }
    if (items[0] || items[1] || items[2] || items[3]) {
      out.value.kind = LayoutValue::Kind::Rectangle;
      out.value.rect = {items[0], items[1], items[2], items[3]};
    }
    return out;
  }
  int32_t integer = 0;
  bool signedZero = false;
  const Number n = ReadInteger(c, integer, signedZero);
  if (n == Number::Bad) return {{}, "value is not a number or rectangle"};
  if (c.Eat('.')) {
    const size_t digits = c.i;
    while (IsDigit(c.Peek())) ++c.i;
    if (c.i == digits) return {{}, "real number without digits after the point"};
    c.Eat('f');
    return out;  // reals are accepted but not kept
  }
  if (n == Number::TooLarge) return {{}, "integer does not fit in 32 bits"};
  if (integer != 1000) {
    out.value.kind = LayoutValue::Kind::Integer;
    out.value.integer = integer;
  }
  return out;
}

}  // namespace

bool LayoutIni::Open(const char* path) {
  sections_.clear();
  error_.clear();
  if (!path) {
    error_ = "no layout path";
    return false;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error_ = std::string("cannot open ") + path;
    return false;
  }
  std::string text;
  char buffer[65536];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    text.append(buffer, size_t(file.gcount()));
    if (text.size() > kMaxLayoutBytes) {
      error_ = std::string(path) + " is too large for a layout file";
      return false;
    }
  }
  return Parse(text);
}

bool LayoutIni::Parse(std::string_view text) {
  sections_.clear();
  error_.clear();
  std::map<std::string, LayoutValue>* current = nullptr;
  std::set<std::string> seenSections;
  bool inRepeatedSection = false;
  size_t lineNumber = 0;
  size_t start = 0;
  auto fail = [&](const std::string& why) {
    sections_.clear();
    error_ = "line " + std::to_string(lineNumber) + ": " + why;
    return false;
  };
  for (size_t lf = text.find('\n', start); lf != std::string_view::npos; lf = text.find('\n', start)) {
    ++lineNumber;
    std::string_view line = text.substr(start, lf - start);
    start = lf + 1;
    if (line.empty() || line.back() != '\r') return fail("line does not end with CR LF");
    line.remove_suffix(1);
    Cursor c{line};
    c.SkipBlanks();
    if (c.AtEnd()) continue;
    if (c.Peek() == '/') {
      if (c.s.substr(c.i, 2) != "//") return fail("single '/'");
      continue;
    }
    if (c.Eat('[')) {
      c.SkipBlanks();
      const size_t nameStart = c.i;
      while (IsAlnum(c.Peek())) ++c.i;
      const std::string name(line.substr(nameStart, c.i - nameStart));
      if (name.empty()) return fail("empty section name");
      c.SkipBlanks();
      if (!c.Eat(']')) return fail("section name not closed by ']'");
      c.SkipBlanks();
      if (!c.AtEnd()) return fail("text after the section");
      inRepeatedSection = !seenSections.insert(name).second;
      current = &sections_[name];
      continue;
    }
    const size_t keyStart = c.i;
    while (IsAlnum(c.Peek()) || c.Peek() == '_') ++c.i;
    if (c.i == keyStart) return fail("line is not a section, key or comment");
    const std::string key(line.substr(keyStart, c.i - keyStart));
    c.SkipBlanks();
    if (!c.Eat('=')) return fail("key without '='");
    c.SkipBlanks();
    Parsed parsed = ReadValue(c);
    if (!parsed.error.empty()) return fail(parsed.error);
    c.SkipBlanks();
    if (!c.AtEnd()) return fail("text after the value");
    if (!current) return fail("key before the first section");
    if (!inRepeatedSection) current->emplace(key, parsed.value);
  }
  return true;
}

LayoutValue LayoutIni::Lookup(const std::string& section, const std::string& key) const {
  auto s = sections_.find(section);
  if (s == sections_.end()) return {};
  auto k = s->second.find(key);
  return k == s->second.end() ? LayoutValue{} : k->second;
}
