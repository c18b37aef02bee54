#pragma once
// ListControl: an owner-drawn list box or drop-down list. Items are single-line
// texts of one height; the owner paints each item through its draw function.
// A selection made by the user is reported to the parent as WM_COMMAND with
// wParam (control id, LBN_SELCHANGE / CBN_SELCHANGE) and lParam the control;
// selecting by program sends nothing. A drop-down list is created with the
// rectangle its open list may fill; its closed face is one item high.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Window.h"

namespace ui {

struct ListItemDraw {
  DeviceContext* dc;
  Rect rect;
  int index;
  std::string text;
  bool selected;
};
using ListItemDrawer = std::function<void(const ListItemDraw&)>;

class ListControl : public Window {
 public:
  enum class Kind { ListBox, DropDown };

  ListControl();
  ~ListControl() override;
  bool Create(Kind kind, const Rect& rect, Window* parent, uint32_t style, int controlId);

  void SetDrawer(ListItemDrawer drawer) { drawer_ = std::move(drawer); }
  void SetItemHeight(int pixels);
  void SetDroppedWidth(int pixels) { droppedWidth_ = pixels; }
  int AddString(const std::string& text);
  void ResetContent();
  int GetCount() const { return int(items_.size()); }
  std::string GetText(int index) const;
  int FindStringExact(const std::string& text) const;
  int GetCurSel() const { return selection_; }
  void SetCurSel(int index);
  int ControlId() const { return id_; }

  // Drop-down only: open and close the list; the open list is its own window.
  void ShowDropDown(bool show);
  ListControl* DroppedList() const { return dropped_.get(); }
  int TopIndex() const { return top_; }

 protected:
  void OnPaint(DeviceContext& dc) override;
  void OnMouseDown(Point p, MouseButton b) override;
  void OnMouseWheel(int delta, Point p) override;
  bool OnKeyDown(int vk) override;

 private:
  void UserSelect(int index);
  void DrawItem(DeviceContext& dc, int index, const Rect& rect);
  int VisibleRows() const;

  Kind kind_ = Kind::ListBox;
  int id_ = 0;
  int itemHeight_ = 14;
  int droppedWidth_ = 0;
  int droppedHeight_ = 0;
  int selection_ = -1;
  int top_ = 0;
  std::vector<std::string> items_;
  ListItemDrawer drawer_;
  std::unique_ptr<ListControl> dropped_;
  ListControl* owner_ = nullptr;  // for an open list: its drop-down
};

}  // namespace ui
