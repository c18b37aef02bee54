#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "SavePrompt.h"

namespace {

TEST(SavePrompt, AnswersDecideWhetherToSaveAndGoOn) {
  struct Case {
    const char* path;
    bool changed;
    PromptAnswer answer;
    std::optional<std::string> chosen;
    bool goOn;
    bool asked;
    const char* written;  // "" when nothing is written
  };
  const Case cases[] = {
      {"", true, PromptAnswer::Yes, "/x.tna", true, false, ""},  // no project: nothing to ask
      {"/t/TNA/Untitle.tna", false, PromptAnswer::Yes, "/x.tna", true, false, ""},
      {"/t/TNA/Untitle.tna", true, PromptAnswer::No, "/x.tna", true, true, ""},
      {"/t/TNA/Untitle.tna", true, PromptAnswer::Cancel, "/x.tna", false, true, ""},
      {"/t/TNA/Untitle.tna", true, PromptAnswer::Yes, "/x.tna", true, true, "/x.tna"},
      // Cancelling the save dialog goes on without saving.
      {"/t/TNA/Untitle.tna", true, PromptAnswer::Yes, std::nullopt, true, true, ""},
      {"/home/u/song.tna", true, PromptAnswer::Yes, "/home/u/song.tna", true, true, "/home/u/song.tna"},
      {"/home/u/song.tna", false, PromptAnswer::Cancel, "/x.tna", true, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    bool untitledAsked = false, fileAsked = false;
    std::string question, initial, written;
    SavePromptSteps steps;
    steps.untitledChanged = [&] { untitledAsked = true; return c.changed; };
    steps.fileChanged = [&] { fileAsked = true; return c.changed; };
    steps.ask = [&](const std::string& text) { question = text; return c.answer; };
    steps.chooseFile = [&](const std::string& path) { initial = path; return c.chosen; };
    steps.write = [&](const std::string& path) { written = path; return true; };
    EXPECT_EQ(RunSavePrompt(c.path, steps), c.goOn);
    EXPECT_EQ(!question.empty(), c.asked);
    if (c.asked) {
      EXPECT_EQ(question, std::string(c.path) + " is changed. Do you want to save it?");
    }
    EXPECT_EQ(written, c.written);
    if (c.answer == PromptAnswer::Yes && c.asked) {
      EXPECT_EQ(initial, c.path);
    }
    const std::string p = c.path;
    EXPECT_EQ(untitledAsked, p.ends_with("/Untitle.tna"));
    EXPECT_EQ(fileAsked, !p.empty() && !p.ends_with("/Untitle.tna"));
  }
}

}  // namespace
