// The modal message box.
#pragma once

#include <cstdint>

#include "core/text.h"

namespace folderlocker {

// Shows a system message box with no owner and an OK button; flags is a sum of MB_ values (16 the
// error icon, 48 the warning icon, 0 none). Task-modal unless flags asks for system-modal: every
// window of this thread is disabled while it is open. An empty title stands for "信息：". Returns
// once the box is dismissed.
void ShowMessage(const Text& message, std::uint32_t flags, const Text& title);

}  // namespace folderlocker
