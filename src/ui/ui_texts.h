// The texts that the program's dialogs and menus carry themselves. Built as GBK bytes.
#pragma once

namespace folderlocker::ui_texts {

// The caption of a message box whose caller gives no title.
inline constexpr char kDefaultMessageTitle[] = "信息：";

// The main window's menu "菜单": hidden, its items reached only through the version label's popup.
inline constexpr char kMenuTitle[] = "菜单";
inline constexpr char kMenuExit[] = "退出";
inline constexpr char kMenuUpdatePage[] = "本软件更新";
inline constexpr char kMenuAbout[] = "关于砚池听松";

}  // namespace folderlocker::ui_texts
