#include "scripted_dialogue.h"

namespace folderlocker::testing {

ScriptedDialogue::ScriptedDialogue(std::vector<std::optional<Text>> answers)
    : answers_(std::move(answers)) {}

bool ScriptedDialogue::PromptForPassword(const Text& prompt, const Text& title, Text& entry) {
  record_.push_back("prompt|" + title + "|" + prompt);
  if (!entry.empty()) prompted_with_filled_entry_ = true;
  if (next_answer_ >= answers_.size()) return false;
  const std::optional<Text>& answer = answers_[next_answer_++];
  if (!answer) return false;
  entry = *answer;
  return true;
}

void ScriptedDialogue::ShowMessage(const Text& message, std::uint32_t flags, const Text& title) {
  record_.push_back("message|" + std::to_string(flags) + "|" + title + "|" + message);
}

void ScriptedDialogue::OpenWebPage(const Text& address) { record_.push_back("web|" + address); }

}  // namespace folderlocker::testing
