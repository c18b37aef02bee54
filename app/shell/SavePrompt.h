#pragma once
// The question asked before New, Open, a dropped project and Close: whether
// the current project changed, and if so whether to save it first. The caller
// supplies how to compare, ask, choose a file and write; this decides the
// order and what each answer means.
#include <functional>
#include <optional>
#include <string>

enum class PromptAnswer { Yes, No, Cancel };

struct SavePromptSteps {
  // The untitled project against the state right after start or New.
  std::function<bool()> untitledChanged;
  // A named project against its file (which is read without applying).
  std::function<bool()> fileChanged;
  std::function<PromptAnswer(const std::string& text)> ask;
  // The save dialog, pre-filled; nothing when the user cancels it.
  std::function<std::optional<std::string>(const std::string& initialPath)> chooseFile;
  std::function<bool(const std::string& path)> write;
};

// True: go on with the command. False: the user cancelled it.
bool RunSavePrompt(const std::string& projectPath, const SavePromptSteps& steps);
