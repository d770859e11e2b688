// What locking and unlocking need from the user's side: prompts, messages and the update page.
#pragma once

#include <cstdint>

#include "core/text.h"

namespace folderlocker {

// Message box flag values used by the lock dialogue.
inline constexpr std::uint32_t kMessagePlain = 0;     // MB_OK
inline constexpr std::uint32_t kMessageError = 16;    // MB_ICONERROR
inline constexpr std::uint32_t kMessageWarning = 48;  // MB_ICONWARNING

class LockDialogue {
 public:
  virtual ~LockDialogue() = default;

  // Asks for a password with masked entry. True, with the entry stored in entry, when the user
  // confirms; false, with entry untouched, when the user cancels.
  virtual bool PromptForPassword(const Text& prompt, const Text& title, Text& entry) = 0;

  // Shows a message box with an OK button and returns once it is dismissed. An empty title stands
  // for the default title.
  virtual void ShowMessage(const Text& message, std::uint32_t flags, const Text& title) = 0;

  // Opens a web page; nothing is reported back.
  virtual void OpenWebPage(const Text& address) = 0;
};

}  // namespace folderlocker
