// The popup menu of the version label "V1" and its three commands: exit, the update page, the
// about page.
#pragma once

#include <windows.h>

#include "core/scoped_win32.h"

namespace folderlocker {

// The commands of the menu's items, as WM_COMMAND brings them to the owner.
inline constexpr UINT kCommandExit = 40001;
inline constexpr UINT kCommandUpdatePage = 40002;
inline constexpr UINT kCommandAbout = 40003;

// The owner's private request to destroy itself, posted by the exit command.
inline constexpr UINT kDestroyRequest = WM_APP + 1;

// A fresh popup menu with the items of the menu "菜单", in order: "退出", "本软件更新",
// "关于砚池听松"; all enabled and unchecked, no separators, no submenus.
ScopedMenu BuildVersionMenu();

// The left-button press on the version label. The press position and keys are not used: the
// popup opens 3 pixels right of and below the cursor, owned by owner, and is destroyed as soon as
// it closes. A chosen item reaches owner as WM_COMMAND once the menu has closed.
void OnVersionLabelPressed(HWND owner, int x, int y, int keys);

// Runs the handler of a menu command that owner received; false for any other command.
bool RunMenuCommand(HWND owner, UINT command);

// The commands' handlers.
void OnExitChosen(HWND owner);
void OnUpdatePageChosen();
void OnAboutChosen();

}  // namespace folderlocker
