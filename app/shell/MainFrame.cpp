#include "MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "CommandTable.h"
#include "MainDlg.h"

namespace {

constexpr int kIdleUpdateMs = 200;

QKeySequence ShortcutOf(int id) {
  for (const Accelerator& a : AcceleratorTable()) {
    if (a.command != id) continue;
    Qt::KeyboardModifiers mods;
    if (a.ctrl) mods |= Qt::ControlModifier;
    if (a.shift) mods |= Qt::ShiftModifier;
    return QKeySequence(QKeyCombination(mods, Qt::Key(Qt::Key_A + (a.key - 'A'))));
  }
  return {};
}

}  // namespace

MainFrame::MainFrame(CMainDlg& dlg) : dlg_(dlg) {
  setAcceptDrops(true);
  std::function<void(QMenu*, const std::vector<MenuItem>&)> fill = [&](QMenu* menu,
                                                                       const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
      if (item.IsSeparator()) {
        menu->addSeparator();
      } else if (item.IsPopup()) {
        QMenu* sub = menu->addMenu(QString::fromStdString(item.text));
        fill(sub, item.children);
        connect(sub, &QMenu::aboutToShow, this, [this] { UpdateMenuStates(); });
      } else {
        QAction* action = menu->addAction(QString::fromStdString(item.text));
        const int id = item.id;
        action->setShortcut(ShortcutOf(id));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(id == cmd::MagneticAlign || id == cmd::FavoriteWindow || id == cmd::PreviewWindow);
        connect(action, &QAction::triggered, this, [this, id] { dlg_.OnCommand(id); });
        actions_[id] = action;
      }
    }
  };
  for (const MenuItem& top : MainMenu()) {
    QMenu* menu = menuBar()->addMenu(QString::fromStdString(top.text));
    fill(menu, top.children);
    connect(menu, &QMenu::aboutToShow, this, [this] { UpdateMenuStates(); });
  }
  // The menu's states follow the program while it is idle, so accelerators
  // find their commands enabled or disabled as the menu would show them.
  idle_ = new QTimer(this);
  connect(idle_, &QTimer::timeout, this, [this] { UpdateMenuStates(); });
  idle_->start(kIdleUpdateMs);
}

MainFrame::~MainFrame() = default;

QAction* MainFrame::Action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void MainFrame::UpdateMenuStates() {
  for (const auto& [id, action] : actions_) {
    const CommandState state = dlg_.UpdateCommand(id);
    action->setEnabled(state.enabled);
    if (action->isCheckable()) action->setChecked(state.checked);
  }
}

int MainFrame::MenuHeight() const { return menuBar()->sizeHint().height(); }

void MainFrame::moveEvent(QMoveEvent* e) {
  QMainWindow::moveEvent(e);
  dlg_.OnMove();
}

void MainFrame::closeEvent(QCloseEvent* e) {
  if (dlg_.OnClose()) e->accept();
  else e->ignore();
}

void MainFrame::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* e) {
  std::vector<std::string> files;
  for (const QUrl& url : e->mimeData()->urls()) {
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  }
  e->acceptProposedAction();
  dlg_.OnDropFiles(files);
}

QMargins FrameMargins(const QWidget* widget) {
  const QWindow* window = widget->windowHandle();
  return window ? window->frameMargins() : QMargins();
}

PlaceRect OuterRect(const QWidget* widget) {
  const QRect g = widget->geometry();
  const QMargins m = FrameMargins(widget);
  return {g.left() - m.left(), g.top() - m.top(), g.left() + g.width() + m.right(), g.top() + g.height() + m.bottom()};
}

void PlaceOuter(QWidget* widget, const PlaceRect& outer) {
  const QMargins m = FrameMargins(widget);
  widget->setGeometry(outer.left + m.left(), outer.top + m.top(),
                      std::max(outer.Width() - m.left() - m.right(), 1),
                      std::max(outer.Height() - m.top() - m.bottom(), 1));
}

PlaceSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {1024, 768};
  const QRect r = screen->geometry();
  return {r.width(), r.height()};
}
