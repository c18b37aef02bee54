#pragma once
// Message boxes and the open and save file dialogs. Both can be answered by a
// hook instead of a real dialog, which is how tests drive the windows that ask.
#include <functional>
#include <string>
#include <vector>

namespace ui {

class Window;

constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_YESNOCANCEL = 0x03;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

using MessageBoxHook = std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;
// An empty caption shows the program's default caption "Tintonia".
int MessageBox(Window* owner, const std::string& text, const std::string& caption, unsigned flags);
void SetMessageBoxHook(MessageBoxHook hook);

constexpr unsigned OFN_OVERWRITEPROMPT = 0x0002;
constexpr unsigned OFN_HIDEREADONLY = 0x0004;
constexpr unsigned OFN_PATHMUSTEXIST = 0x0800;
constexpr unsigned OFN_FILEMUSTEXIST = 0x1000;

struct FileFilter {
  std::string description;  // "Tiff Files (*.tif)"
  std::string patterns;     // "*.tif;*.tiff"
};

struct FileDialogRequest {
  bool open = true;
  std::string title;
  std::string initialPath;  // file name or full path
  std::string initialDir;
  std::string defaultExtension;  // without the dot
  std::vector<FileFilter> filters;
  int filterIndex = 1;  // 1-based
  unsigned flags = 0;
};

struct FileDialogResult {
  bool ok = false;
  std::string path;
  int filterIndex = 0;  // 1-based entry the user chose
};

using FileDialogHook = std::function<FileDialogResult(const FileDialogRequest&)>;
FileDialogResult RunFileDialog(Window* owner, const FileDialogRequest& request);
void SetFileDialogHook(FileDialogHook hook);

// "Desc|*.a;*.b|Desc2|*.c||" into its entries; an odd trailing description is dropped.
std::vector<FileFilter> ParseFilterString(const std::string& text);
// The toolkit's form of one entry: "Desc (*.a *.b)".
std::string ToolkitFilter(const FileFilter& filter);

}  // namespace ui
