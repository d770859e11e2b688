// The form of the main window: its settings, its controls and their places, in pixels. Control
// places are relative to the window's client area.
#pragma once

namespace folderlocker::form {

inline constexpr char kCaption[] = "砚池听松文件夹加解密";
// The outer size, frame and title bar included.
inline constexpr int kWidth = 333;
inline constexpr int kHeight = 233;

// 标签1: the version label, which paints its own text.
inline constexpr int kLabelId = 1001;
inline constexpr int kLabelLeft = 308;
inline constexpr int kLabelTop = -3;
inline constexpr int kLabelWidth = 23;
inline constexpr int kLabelHeight = 23;
inline constexpr char kLabelText[] = "V1";
inline constexpr char kLabelFontFace[] = "宋体";
inline constexpr int kLabelFontHeight = -20;
inline constexpr int kLabelFontWeight = 700;

// 编辑框1: the edit box that folders are dropped onto.
inline constexpr int kEditId = 1002;
inline constexpr int kEditLeft = 23;
inline constexpr int kEditTop = 33;
inline constexpr int kEditWidth = 283;
inline constexpr int kEditHeight = 133;
inline constexpr char kEditText[] = "请直接拖拽文件夹到这里。。。";

inline constexpr char kWindowFailed[] = "载入启动窗口失败";

}  // namespace folderlocker::form
