#include "ui/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "ui/Window.h"

namespace ui {
namespace {
MessageBoxHook& BoxHook() {
  static MessageBoxHook hook;
  return hook;
}
FileDialogHook& FileHook() {
  static FileDialogHook hook;
  return hook;
}
}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { BoxHook() = std::move(hook); }
void SetFileDialogHook(FileDialogHook hook) { FileHook() = std::move(hook); }

int MessageBox(Window* owner, const std::string& text, const std::string& caption, unsigned flags) {
  if (BoxHook()) return BoxHook()(text, caption, flags);
  QMessageBox box(owner ? owner->Widget() : nullptr);
  box.setWindowTitle(QString::fromStdString(caption.empty() ? "Tintonia" : caption));
  box.setText(QString::fromStdString(text));
  switch (flags & 0xF0) {
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
  }
  switch (flags & 0x0F) {
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MB_YESNOCANCEL: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return (flags & 0x0F) == MB_OKCANCEL && box.clickedButton() == nullptr ? IDCANCEL : IDOK;
  }
}

std::vector<FileFilter> ParseFilterString(const std::string& text) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : text) {
    if (c == '|') {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(current);
  std::vector<FileFilter> out;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty()) break;
    out.push_back({parts[i], parts[i + 1]});
  }
  return out;
}

std::string ToolkitFilter(const FileFilter& f) {
  std::string patterns = f.patterns;
  for (char& c : patterns)
    if (c == ';') c = ' ';
  return f.description + " (" + patterns + ")";
}

FileDialogResult RunFileDialog(Window* owner, const FileDialogRequest& request) {
  if (FileHook()) return FileHook()(request);
  QFileDialog dialog(owner ? owner->Widget() : nullptr, QString::fromStdString(request.title));
  dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(request.open && (request.flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                         : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & OFN_OVERWRITEPROMPT));
  QStringList filters;
  for (const FileFilter& f : request.filters) filters << QString::fromStdString(ToolkitFilter(f));
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.filterIndex - 1]);
  if (!request.initialDir.empty()) dialog.setDirectory(QString::fromStdString(request.initialDir));
  if (!request.initialPath.empty()) dialog.selectFile(QString::fromStdString(request.initialPath));
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  FileDialogResult result;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
  result.ok = true;
  result.path = dialog.selectedFiles().front().toStdString();
  result.filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
  return result;
}

}  // namespace ui
