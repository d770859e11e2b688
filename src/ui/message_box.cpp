#include "ui/message_box.h"

#include <windows.h>

#include "ui/ui_texts.h"

namespace folderlocker {

void ShowMessage(const Text& message, std::uint32_t flags, const Text& title) {
  UINT type = flags;
  if ((type & MB_SYSTEMMODAL) == 0) type |= MB_TASKMODAL;
  MessageBoxA(nullptr, message.c_str(),
              title.empty() ? ui_texts::kDefaultMessageTitle : title.c_str(), type);
}

}  // namespace folderlocker
