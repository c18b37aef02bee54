#pragma once
// CsEditCtrl: a one-line text field with the program's key rules. Kind bits:
// 1 Enter allowed, 2 numeric, 4 hexadecimal, 8 tab group member, 0x10 closes
// the tab group. Numeric fields accept digits (and "-" unless the limit is 3),
// refuse a value above the maximum or below -100 and report each accepted
// change with CSN_EDIT_CHANGED (sent); hexadecimal fields accept 0-9 and A-F.
// Pasted text passes the same filter as typed text, one character at a time.
// Tab moves to the next member of the tab group with its text selected.
#include <memory>
#include <string>
#include <vector>

#include "ControlGroup.h"
#include "ui/Window.h"

class EditField;

class CsEditCtrl : public ui::Window {
 public:
  static constexpr int kEnter = 1, kNumeric = 2, kHex = 4, kTabMember = 8, kTabEnd = 0x10;
  static constexpr int kControlId = 2000;

  CsEditCtrl();
  ~CsEditCtrl() override;
  bool Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int kind, int limit);
  void SetMax(int value);
  void SetText(const std::string& text);
  std::string GetText() const;
  void SetSel(int start, int end);  // end -1: to the end
  bool HasSelection() const;
  int ControlId() const { return kControlId; }
  const std::vector<CsEditCtrl*> TabGroup() const { return group_.Members(); }

  // Leading integer of a text as the field reads it ("-12ab" -> -12, "" -> 0).
  static int LeadingInteger(const std::string& text);

 protected:
  void OnSetFocus() override;
  void OnKillFocus() override;

 private:
  friend class EditField;
  friend class ControlGroup<CsEditCtrl>;
  // Returns true when the key was handled here.
  bool HandleKey(int qtKey, const std::string& text, bool isPaste);
  void TypeChar(char c);
  void Changed(int value);

  int kind_ = 0;
  int limit_ = 0;
  int max_ = 0;
  std::string previous_ = "0";
  EditField* field_ = nullptr;
  ControlGroup<CsEditCtrl> group_;
};
