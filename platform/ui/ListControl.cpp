#include "ui/ListControl.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace ui {

namespace {
constexpr Colour kFace = Rgb(224, 224, 224);
constexpr Colour kEdge = Rgb(160, 160, 160);
constexpr Colour kGlyph = Rgb(51, 51, 51);
constexpr int kButton = 14;
}  // namespace

ListControl::ListControl() = default;
ListControl::~ListControl() = default;

bool ListControl::Create(Kind kind, const Rect& rect, Window* parent, uint32_t style, int controlId) {
  kind_ = kind;
  id_ = controlId;
  Rect face = rect;
  if (kind == Kind::DropDown) {
    face.bottom = rect.top + itemHeight_ + 4;
    droppedHeight_ = std::max(itemHeight_ + 2, rect.Height() - face.Height());
  }
  return Window::Create(face, parent, style, kind == Kind::DropDown ? "ComboBox" : "ListBox");
}

void ListControl::SetItemHeight(int pixels) {
  itemHeight_ = std::max(1, pixels);
  if (kind_ == Kind::DropDown && IsCreated()) {
    Rect r = WindowRect();
    r.bottom = r.top + itemHeight_ + 4;
    MoveWindow(r);
  }
  Invalidate();
}

int ListControl::AddString(const std::string& text) {
  items_.push_back(text);
  Invalidate();
  return int(items_.size()) - 1;
}

void ListControl::ResetContent() {
  items_.clear();
  selection_ = -1;
  top_ = 0;
  Invalidate();
}

std::string ListControl::GetText(int index) const {
  return index >= 0 && index < GetCount() ? items_[size_t(index)] : std::string();
}

int ListControl::FindStringExact(const std::string& text) const {
  auto it = std::find(items_.begin(), items_.end(), text);
  return it == items_.end() ? -1 : int(it - items_.begin());
}

int ListControl::VisibleRows() const { return std::max(1, ClientRect().Height() / itemHeight_); }

void ListControl::SetCurSel(int index) {
  selection_ = index >= 0 && index < GetCount() ? index : -1;
  if (selection_ >= 0 && kind_ == Kind::ListBox) {
    if (selection_ < top_) top_ = selection_;
    if (selection_ >= top_ + VisibleRows()) top_ = selection_ - VisibleRows() + 1;
  }
  Invalidate();
}

void ListControl::DrawItem(DeviceContext& dc, int index, const Rect& rect) {
  ListItemDraw item{&dc, rect, index, GetText(index), index == selection_};
  if (drawer_) {
    drawer_(item);
    return;
  }
  dc.FillSolidRect(rect, item.selected ? Rgb(30, 60, 150) : Rgb(255, 255, 255));
  dc.SetBkMode(BkMode::Transparent);
  dc.SetTextColor(item.selected ? Rgb(255, 255, 255) : 0);
  dc.DrawText(item.text, {rect.left + 2, rect.top, rect.right, rect.bottom}, DT_VCENTER | DT_SINGLELINE);
}

void ListControl::OnPaint(DeviceContext& dc) {
  const Rect client = ClientRect();
  if (kind_ == Kind::ListBox) {
    dc.FillSolidRect(client, Rgb(255, 255, 255));
    for (int row = 0; top_ + row < GetCount() && row * itemHeight_ < client.Height(); ++row)
      DrawItem(dc, top_ + row, {0, row * itemHeight_, client.right, (row + 1) * itemHeight_});
    return;
  }
  // Closed face: the selected item beside a flat drop button.
  dc.FillSolidRect(client, Rgb(255, 255, 255));
  dc.FrameRect(client, kEdge);
  const Rect itemRect{1, 2, client.right - kButton - 1, 2 + itemHeight_};
  if (selection_ >= 0) {
    ListItemDraw item{&dc, itemRect, selection_, GetText(selection_), false};
    if (drawer_) drawer_(item);
    else DrawItem(dc, selection_, itemRect);
  }
  const Rect button{client.right - kButton - 1, 1, client.right - 1, client.bottom - 1};
  dc.FillSolidRect(button, kFace);
  dc.FillSolidRect({button.left, 1, button.left + 1, client.bottom - 1}, Rgb(200, 200, 200));
  const int cx = (button.left + button.right) / 2, cy = client.Height() / 2 - 1;
  for (int i = 0; i < 3; ++i) dc.FillSolidRect({cx - 3 + i, cy + i, cx + 4 - i, cy + i + 1}, kGlyph);
}

void ListControl::UserSelect(int index) {
  if (index < 0 || index >= GetCount()) return;
  ListControl* target = owner_ ? owner_ : this;
  const uint16_t code = target->kind_ == Kind::DropDown ? CBN_SELCHANGE : LBN_SELCHANGE;
  if (owner_) SetCurSel(index);
  target->SetCurSel(index);
  target->UpdateWindow();
  if (owner_) owner_->ShowDropDown(false);
  if (Window* parent = target->Parent())
    parent->Send(WM_COMMAND, MakeWParam(uint16_t(target->id_), code), reinterpret_cast<LPARAM>(target));
}

void ListControl::OnMouseDown(Point p, MouseButton b) {
  if (b != MouseButton::Left) return;
  if (kind_ == Kind::DropDown) {
    ShowDropDown(!dropped_);
    return;
  }
  UserSelect(top_ + p.y / itemHeight_);
}

void ListControl::OnMouseWheel(int delta, Point) {
  if (kind_ != Kind::ListBox) return;
  const int maxTop = std::max(0, GetCount() - VisibleRows());
  top_ = std::clamp(top_ + (delta > 0 ? -3 : 3), 0, maxTop);
  Invalidate();
}

bool ListControl::OnKeyDown(int vk) {
  if (vk == VK_UP || vk == VK_DOWN) {
    const int next = std::clamp(selection_ + (vk == VK_DOWN ? 1 : -1), 0, GetCount() - 1);
    if (next != selection_) {
      if (owner_ || kind_ == Kind::ListBox) UserSelect(next);
      else {
        selection_ = next;
        Invalidate();
        if (Parent()) Parent()->Send(WM_COMMAND, MakeWParam(uint16_t(id_), CBN_SELCHANGE), reinterpret_cast<LPARAM>(this));
      }
    }
    return true;
  }
  if (vk == VK_ESCAPE && owner_) {
    owner_->ShowDropDown(false);
    return true;
  }
  return false;
}

void ListControl::ShowDropDown(bool show) {
  if (kind_ != Kind::DropDown) return;
  if (!show) {
    if (dropped_) {
      // The open list may be inside its own input handler: hide it now and
      // delete it once the event loop is back.
      ListControl* list = dropped_.release();
      list->Show(false);
      list->owner_ = nullptr;
      QMetaObject::invokeMethod(qApp, [list] { delete list; }, Qt::QueuedConnection);
    }
    return;
  }
  if (dropped_ || !Widget()) return;
  const QPoint origin = Widget()->mapToGlobal(QPoint(0, ClientRect().Height()));
  const int width = std::max(droppedWidth_, ClientRect().Width());
  const int rows = std::clamp(GetCount(), 1, std::max(1, droppedHeight_ / itemHeight_));
  dropped_ = std::make_unique<ListControl>();
  dropped_->owner_ = this;
  dropped_->itemHeight_ = itemHeight_;
  dropped_->items_ = items_;
  dropped_->drawer_ = drawer_;
  dropped_->Create(Kind::ListBox, {origin.x(), origin.y(), origin.x() + width, origin.y() + rows * itemHeight_},
                   nullptr, WS_POPUP, 0);
  dropped_->SetCurSel(selection_);
  dropped_->Show(true);
}

}  // namespace ui
