// The modal password prompt.
#pragma once

#include "core/text.h"

namespace folderlocker {

// Shows the password dialog (the compact one for an empty prompt) with prompt as its text and
// title as its caption; an empty title keeps the caption "请输入：". The dialog is owned by the
// window that is active on this thread, if any, which stays disabled while it is open. Returns
// true and replaces entry with the field's text, exactly as typed, when the user confirms; returns
// false and leaves entry alone when the user cancels or the dialog cannot be shown.
bool PromptForPassword(const Text& prompt, const Text& title, Text& entry);

}  // namespace folderlocker
