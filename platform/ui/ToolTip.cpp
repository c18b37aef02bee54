#include "ui/ToolTip.h"

#include <QToolTip>
#include <QWidget>

#include "ui/Window.h"

namespace ui {

void ToolTip::Activate(bool active) {
  active_ = active;
  if (!active) Hide();
}

void ToolTip::Show(const std::string& text, Point p) {
  if (!active_ || !owner_ || !owner_->Widget()) return;
  text_ = text;
  shown_ = true;
  QString html = QString::fromStdString(text).toHtmlEscaped().replace("\r\n", "<br>");
  if (maxWidth_ > 0) html = QString("<div style='max-width:%1px'>%2</div>").arg(maxWidth_).arg(html);
  QWidget* w = owner_->Widget();
  QToolTip::showText(w->mapToGlobal(QPoint(p.x, p.y + 16)), html, w);
}

void ToolTip::Hide() {
  if (shown_) QToolTip::hideText();
  shown_ = false;
}

}  // namespace ui
