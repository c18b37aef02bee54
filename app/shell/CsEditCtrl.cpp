#include "CsEditCtrl.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <climits>

#include "ControlMessages.h"

// The toolkit line edit inside the control; it hands keys, focus and clicks to
// the control's rules before its own handling.
class EditField : public QLineEdit {
 public:
  EditField(CsEditCtrl* owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {
    setContextMenuPolicy(Qt::NoContextMenu);  // its Paste would bypass the filter
    setFocusPolicy(Qt::StrongFocus);
    setFrame(false);
  }
  void Detach() { owner_ = nullptr; }
  void BaseKey(QKeyEvent* e) { QLineEdit::keyPressEvent(e); }

 protected:
  // Tab belongs to the field's own rules, not to the toolkit's focus chain.
  bool focusNextPrevChild(bool) override { return false; }
  void keyPressEvent(QKeyEvent* e) override {
    if (!owner_) return QLineEdit::keyPressEvent(e);
    current_ = e;
    const bool handled = owner_->HandleKey(e->key(), e->matches(QKeySequence::Paste) ? std::string()
                                                                                      : e->text().toStdString(),
                                           e->matches(QKeySequence::Paste));
    current_ = nullptr;
    if (!handled) QLineEdit::keyPressEvent(e);
  }
  void focusInEvent(QFocusEvent* e) override {
    QLineEdit::focusInEvent(e);
    if (owner_) owner_->DispatchFocus(true);
  }
  void focusOutEvent(QFocusEvent* e) override {
    QLineEdit::focusOutEvent(e);
    if (owner_ && e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
      owner_->DispatchFocus(false);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::MiddleButton) return;  // selection paste would bypass the filter
    if (hasSelectedText()) {
      deselect();
      return;
    }
    QLineEdit::mousePressEvent(e);
  }

 public:
  QKeyEvent* current_ = nullptr;

 private:
  CsEditCtrl* owner_;
};

CsEditCtrl::CsEditCtrl() = default;

CsEditCtrl::~CsEditCtrl() {
  group_.Leave(this);
  if (field_) field_->Detach();
}

bool CsEditCtrl::Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int kind, int limit) {
  kind_ = kind;
  limit_ = limit;
  if (!Window::Create(rect, parent, style, "CsEditCtrl")) return false;
  field_ = new EditField(this, Widget());
  field_->setGeometry(0, 0, rect.Width(), rect.Height());
  QFont font;
  font.setFamilies({"Liberation Sans", "DejaVu Sans"});
  font.setPixelSize(12);  // 9 points
  field_->setFont(font);
  field_->setStyleSheet(
      "QLineEdit{background:rgb(250,250,250);color:rgb(51,51,51);border:1px solid rgb(160,160,160);"
      "border-radius:3px;padding:0 2px;selection-background-color:rgb(30,60,150);}"
      "QLineEdit:focus{border-color:rgb(30,60,150);}");
  if (limit > 0) field_->setMaxLength(limit);
  field_->setText("0");
  SetKeyTarget(field_);
  Widget()->setFocusProxy(field_);
  group_.Join(this, kind & kTabMember, kind & kTabEnd);
  return true;
}

void CsEditCtrl::SetMax(int value) {
  max_ = value;
  previous_ = GetText();
}

void CsEditCtrl::SetText(const std::string& text) {
  if (field_) field_->setText(QString::fromStdString(text));
}

std::string CsEditCtrl::GetText() const { return field_ ? field_->text().toStdString() : std::string(); }

void CsEditCtrl::SetSel(int start, int end) {
  if (!field_) return;
  if (end < 0) end = int(field_->text().size());
  field_->setSelection(start, end - start);
}

bool CsEditCtrl::HasSelection() const { return field_ && field_->hasSelectedText(); }

int CsEditCtrl::LeadingInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) value = INT_MAX + 1LL;  // saturate; the sign decides below
  }
  if (negative) value = -value;
  return int(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, value)));
}

void CsEditCtrl::TypeChar(char c) {
  const bool numeric = kind_ & kNumeric, hex = kind_ & kHex;
  if (numeric) {
    if (!((c >= '0' && c <= '9') || (c == '-' && limit_ != 3))) return;
    previous_ = GetText();
    const int cursor = field_->cursorPosition();
    field_->insert(QString(QChar(c)));
    const int value = LeadingInteger(GetText());
    if (value > max_ || (limit_ != 3 && value < -100)) {
      field_->setText(QString::fromStdString(previous_));
      field_->setCursorPosition(cursor);
      return;
    }
    Changed(value);
  } else if (hex) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return;
    field_->insert(QString(QChar(c)));
    Changed(0);
  } else {
    field_->insert(QString(QChar(c)));
  }
}

bool CsEditCtrl::HandleKey(int qtKey, const std::string& text, bool isPaste) {
  const bool numeric = kind_ & kNumeric, hex = kind_ & kHex;
  if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) return !(kind_ & kEnter);
  if (qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab) {
    const std::vector<CsEditCtrl*> members = group_.Members();
    for (size_t i = 0; i + 1 < members.size(); ++i)
      if (members[i] == this) {
        CsEditCtrl* next = members[i + 1];
        next->SetFocus();
        next->SetSel(0, -1);
        break;
      }
    return true;
  }
  if (qtKey == Qt::Key_Backspace || qtKey == Qt::Key_Delete) {
    if (numeric) previous_ = GetText();
    field_->BaseKey(field_->current_);
    if (numeric) Changed(LeadingInteger(GetText()));
    else if (hex) Changed(0);
    return true;
  }
  if (isPaste) {
    for (QChar ch : QApplication::clipboard()->text())
      if (ch.unicode() < 0x80 && ch.unicode() >= 0x20) TypeChar(char(ch.unicode()));
    return true;
  }
  if (text.size() == 1 && (unsigned char)text[0] >= 0x20 && text[0] != 0x7F) {
    TypeChar(text[0]);
    return true;
  }
  // Any other printable text never reaches a numeric or hexadecimal field.
  return !text.empty() && (unsigned char)text[0] >= 0x80 && (numeric || hex);
}

void CsEditCtrl::Changed(int value) { NotifyParent(CSN_EDIT_CHANGED, value); }

void CsEditCtrl::OnSetFocus() { previous_ = GetText(); }

void CsEditCtrl::OnKillFocus() {
  if (!(kind_ & (kNumeric | kHex)) || !GetText().empty()) return;
  SetText(previous_);
  Changed(LeadingInteger(previous_));
}
