#include "ui/version_menu.h"

#include "core/web_page.h"
#include "ui/ui_texts.h"

namespace folderlocker {

namespace {

struct MenuItem {
  UINT command;
  const char* text;
};

constexpr MenuItem kItems[] = {
    {kCommandExit, ui_texts::kMenuExit},
    {kCommandUpdatePage, ui_texts::kMenuUpdatePage},
    {kCommandAbout, ui_texts::kMenuAbout},
};

// The menu's top-left corner lies this far right of and below the cursor.
constexpr int kMenuOffset = 3;

}  // namespace

ScopedMenu BuildVersionMenu() {
  ScopedMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  for (const MenuItem& item : kItems) {
    if (!AppendMenuA(menu.get(), MF_STRING | MF_ENABLED | MF_UNCHECKED, item.command, item.text)) {
      return ScopedMenu();
    }
  }
  return menu;
}

void OnVersionLabelPressed(HWND owner, int, int, int) {
  POINT cursor;
  if (!GetCursorPos(&cursor)) return;
  ScopedMenu menu = BuildVersionMenu();
  if (!menu) return;
  TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, cursor.x + kMenuOffset, cursor.y + kMenuOffset, 0,
                 owner, nullptr);
}

bool RunMenuCommand(HWND owner, UINT command) {
  switch (command) {
    case kCommandExit:
      OnExitChosen(owner);
      return true;
    case kCommandUpdatePage:
      OnUpdatePageChosen();
      return true;
    case kCommandAbout:
      OnAboutChosen();
      return true;
  }
  return false;
}

void OnExitChosen(HWND owner) { PostMessageA(owner, kDestroyRequest, 0, 0); }

void OnUpdatePageChosen() { OpenWebPage(UpdatePageUrl); }

void OnAboutChosen() { OpenWebPage(AboutPageUrl); }

}  // namespace folderlocker
