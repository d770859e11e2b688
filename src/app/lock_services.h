// Locking and unlocking with the real file layer, dialogs and browser.
#pragma once

#include "core/text.h"

namespace folderlocker {

// ProcessFolder on the Windows file system, with the program's own prompts and message boxes.
void ProcessFolder(Text& text);

}  // namespace folderlocker
