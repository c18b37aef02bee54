#include "ProjectNames.h"

#include <algorithm>
#include <cctype>

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtensionOf(const std::string& path) {
  const std::string name = FileNameOf(path);
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

bool HasExtension(const std::string& path, const std::string& extension) {
  const std::string ext = ExtensionOf(path);
  return ext.size() == extension.size() &&
         std::equal(ext.begin(), ext.end(), extension.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

std::string TitleFor(const std::string& projectPath) {
  return kTitlePrefix + FileNameOf(projectPath) + "]";
}

std::string UntitledProjectPath(const std::string& projectFolder) {
  return projectFolder + kUntitledName;
}

bool IsUntitled(const std::string& projectPath) { return FileNameOf(projectPath) == kUntitledName; }

bool CanSaveInPlace(const std::string& projectPath) {
  const std::string name = FileNameOf(projectPath);
  return !name.empty() && name != kUntitledName;
}

std::string CleanStartPath(const std::string& commandLine) {
  if (commandLine.empty() || commandLine.find('"') == std::string::npos) return commandLine;
  std::string clean = commandLine.substr(1);
  std::erase(clean, '"');
  return clean;
}

StartProject ProjectForStart(const std::string& startPath, const std::string& projectFolder) {
  if (HasExtension(startPath, "tna")) return {startPath, true};
  return {UntitledProjectPath(projectFolder), false};
}

std::string LastDroppedFile(const std::vector<std::string>& files) {
  return files.empty() ? std::string() : files.back();
}

std::string PathAfterSaveAs(const std::string& previousPath, const std::string* chosenPath) {
  return chosenPath ? *chosenPath : previousPath;
}
