// The texts that the program's dialogs and menus carry themselves. Built as GBK bytes.
#pragma once

namespace folderlocker::ui_texts {

// The caption of a message box whose caller gives no title.
inline constexpr char kDefaultMessageTitle[] = "信息：";

}  // namespace folderlocker::ui_texts
