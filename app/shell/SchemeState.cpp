#include "SchemeState.h"

void SchemeState::SetProjectPath(const std::string& path) {
  if (path.size() <= kMaxProjectPath) {
    projectPath = path;
    return;
  }
  std::size_t end = kMaxProjectPath;
  while (end > 0 && (static_cast<unsigned char>(path[end]) & 0xC0) == 0x80) --end;
  projectPath = path.substr(0, end);
}

SchemeState& Scheme() {
  static SchemeState state;
  return state;
}

std::string ProgramFolderOf(const std::string& executablePath) {
  const auto slash = executablePath.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "";
  return executablePath.substr(0, slash);
}
