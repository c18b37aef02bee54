#pragma once
// Names the main window derives from paths: the window title, the untitled
// project, the start path from the command line and from dropped files, and
// whether a path names a project. Extensions compare case-insensitively.
#include <string>
#include <vector>

inline constexpr const char* kUntitledName = "Untitle.tna";
inline constexpr const char* kTitlePrefix = "Tintonia [";

// The text after the last '/'; the whole path when it has none.
std::string FileNameOf(const std::string& path);
// The text after the last '.' of the file name, or "" when it has none.
std::string ExtensionOf(const std::string& path);
bool HasExtension(const std::string& path, const std::string& extension);

// "Tintonia [" + file name of the project path + "]".
std::string TitleFor(const std::string& projectPath);

std::string UntitledProjectPath(const std::string& projectFolder);
bool IsUntitled(const std::string& projectPath);
// File › Save needs a real file name: neither empty nor the untitled name.
bool CanSaveInPlace(const std::string& projectPath);

// A start path given in double quotes loses its first character and every
// quote; any other path stays as it is.
std::string CleanStartPath(const std::string& commandLine);

// The start-up decision: a ".tna" start path is read as the project, anything
// else starts an untitled project.
struct StartProject {
  std::string projectPath;
  bool readProject = false;
};
StartProject ProjectForStart(const std::string& startPath, const std::string& projectFolder);

// Of the files dropped at once only the last counts; "" for an empty drop.
std::string LastDroppedFile(const std::vector<std::string>& files);

// File › Save As: a cancelled dialog keeps the previous path, so the unsaved
// project still asks to be saved on New, Open and Close.
std::string PathAfterSaveAs(const std::string& previousPath, const std::string* chosenPath);
