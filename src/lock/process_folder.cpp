#include "lock/process_folder.h"

#include "core/web_page.h"
#include "lock/first_line.h"
#include "lock/lock_texts.h"

namespace folderlocker {

namespace {

namespace texts = lock_texts;

const Text kPasswordFile = texts::kPasswordFileName;

void Refuse(LockDialogue& dialogue, const char* message, const char* title) {
  dialogue.ShowMessage(message, kMessageError, title);
  dialogue.OpenWebPage(UpdatePageUrl);
}

// path is the locked folder's name, the former path plus one period; former is that path without
// its period.
void Unlock(const Text& path, const Text& stored_password, FileSystem& files,
            LockDialogue& dialogue) {
  // Only a name that ends in a period can be a locked folder; anything else that holds a password
  // file (an unlocked folder with a tavro.dat of its own, a drive root, a path ending in a
  // backslash) would be moved to a wrong name.
  if (path.back() != '.') {
    dialogue.ShowMessage(texts::kNotLockedButPasswordFile, kMessageError, texts::kNotLockedTitle);
    return;
  }
  const Text former = TextLeft(path, static_cast<std::int64_t>(TextLength(path)) - 1);
  Text entry;
  if (!dialogue.PromptForPassword(texts::kUnlockPromptBefore + former + texts::kUnlockPromptAfter,
                                  texts::kUnlockTitle, entry)) {
    return;
  }
  if (entry != stored_password) {
    Refuse(dialogue, texts::kWrongPassword, texts::kWrongPasswordTitle);
    return;
  }
  if (!files.Move(path + ".\\", former)) {
    dialogue.ShowMessage(texts::kUnlockMoveFailed, kMessageError, texts::kUnlockFailedTitle);
    return;
  }
  if (!files.Delete(path + "\\" + kPasswordFile)) {
    dialogue.ShowMessage(texts::kUnlockedPasswordFileKept, kMessageWarning, Text());
    return;
  }
  dialogue.ShowMessage(texts::kUnlocked, kMessagePlain, Text());
}

void Lock(const Text& path, FileSystem& files, LockDialogue& dialogue) {
  Text first;
  if (!dialogue.PromptForPassword(texts::kLockPromptBefore + path + texts::kLockPromptAfter,
                                  texts::kLockTitle, first)) {
    return;
  }
  Text second;
  if (!dialogue.PromptForPassword(
          texts::kLockAgainPromptBefore + path + texts::kLockAgainPromptAfter, texts::kLockTitle,
          second)) {
    return;
  }
  if (first != second) {
    Refuse(dialogue, texts::kEntriesDiffer, texts::kEntriesDifferTitle);
    return;
  }
  if (first.empty()) {
    Refuse(dialogue, texts::kEmptyPassword, texts::kEmptyPasswordTitle);
    return;
  }
  // A password that is not its own first line (it holds LF or SUB, or ends in CR) would be read
  // back as another one, and the folder could not be unlocked with it.
  if (FirstLine(first) != first) {
    dialogue.ShowMessage(texts::kPasswordUnstorable, kMessageError, texts::kLockFailedTitle);
    return;
  }
  // path + "..\" resolves to path plus one period: the locked name.
  const Text locked = path + "..\\";
  if (!files.Move(path, locked)) {
    dialogue.ShowMessage(texts::kLockMoveFailed, kMessageError, texts::kLockFailedTitle);
    return;
  }
  if (!files.WriteFileBytes(locked + kPasswordFile, BytesOf(first))) {
    if (files.Move(locked, path)) {
      dialogue.ShowMessage(texts::kLockWriteFailed, kMessageError, texts::kLockFailedTitle);
    } else {
      dialogue.ShowMessage(texts::kLockStrandedBefore + path + "." + texts::kLockStrandedAfter,
                           kMessageError, texts::kLockFailedTitle);
    }
    return;
  }
  dialogue.ShowMessage(texts::kLocked, kMessagePlain, Text());
}

}  // namespace

void ProcessFolder(Text& text, FileSystem& files, LockDialogue& dialogue) {
  TextList paths = SplitText(text, "\r\n");
  // Nothing to work on: an empty argument, a drop of no names, an empty first name.
  if (paths.empty()) return;
  const Text path = paths.front();
  text = path;
  if (path.empty()) return;

  // A path that names nothing passes too: that is how a locked folder's name resolves.
  if ((files.FileAttributes(path) & kAttributeDirectory) == 0) return;

  const Text stored_password = files.ReadFirstLine(path + ".\\" + kPasswordFile);
  if (!stored_password.empty()) {
    Unlock(path, stored_password, files, dialogue);
  } else {
    Lock(path, files, dialogue);
  }
}

}  // namespace folderlocker
