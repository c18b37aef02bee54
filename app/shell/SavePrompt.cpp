#include "SavePrompt.h"

#include "ProjectNames.h"

bool RunSavePrompt(const std::string& projectPath, const SavePromptSteps& steps) {
  const std::string name = FileNameOf(projectPath);
  if (name.empty()) return true;
  const bool changed = name == kUntitledName ? steps.untitledChanged() : steps.fileChanged();
  if (!changed) return true;
  switch (steps.ask(projectPath + " is changed. Do you want to save it?")) {
    case PromptAnswer::Cancel: return false;
    case PromptAnswer::No: return true;
    case PromptAnswer::Yes: break;
  }
  // A cancelled save dialog still lets the command go on, unsaved.
  if (const std::optional<std::string> path = steps.chooseFile(projectPath)) steps.write(*path);
  return true;
}
