#include "app/lock_services.h"

#include "core/web_page.h"
#include "lock/process_folder.h"
#include "lock/win32_file_system.h"
#include "ui/message_box.h"
#include "ui/password_prompt.h"

namespace folderlocker {

namespace {

class WindowsLockDialogue final : public LockDialogue {
 public:
  bool PromptForPassword(const Text& prompt, const Text& title, Text& entry) override {
    return folderlocker::PromptForPassword(prompt, title, entry);
  }
  void ShowMessage(const Text& message, std::uint32_t flags, const Text& title) override {
    folderlocker::ShowMessage(message, flags, title);
  }
  void OpenWebPage(const Text& address) override { folderlocker::OpenWebPage(address); }
};

}  // namespace

void ProcessFolder(Text& text) {
  Win32FileSystem files;
  WindowsLockDialogue dialogue;
  ProcessFolder(text, files, dialogue);
}

}  // namespace folderlocker
