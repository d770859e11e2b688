// A lock dialogue that answers prompts from a script and records everything it is asked to show.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lock/lock_dialogue.h"

namespace folderlocker::testing {

class ScriptedDialogue final : public LockDialogue {
 public:
  // One answer per expected prompt, in order: the entry to confirm, or nullopt to cancel. A prompt
  // beyond the script is cancelled (and shows in the record).
  explicit ScriptedDialogue(std::vector<std::optional<Text>> answers = {});

  // What the user saw, in order, one line each:
  //   "prompt|<title>|<prompt>", "message|<flags>|<title>|<text>", "web|<address>".
  const std::vector<std::string>& record() const { return record_; }
  // True if any prompt was handed a receiving text that was not empty.
  bool prompted_with_filled_entry() const { return prompted_with_filled_entry_; }

  bool PromptForPassword(const Text& prompt, const Text& title, Text& entry) override;
  void ShowMessage(const Text& message, std::uint32_t flags, const Text& title) override;
  void OpenWebPage(const Text& address) override;

 private:
  std::vector<std::optional<Text>> answers_;
  std::size_t next_answer_ = 0;
  std::vector<std::string> record_;
  bool prompted_with_filled_entry_ = false;
};

}  // namespace folderlocker::testing
