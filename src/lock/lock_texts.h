// Every text that locking and unlocking show the user, in one place. Built as GBK bytes.
#pragma once

namespace folderlocker::lock_texts {

inline constexpr char kPasswordFileName[] = "tavro.dat";

// Prompts: the folder's path goes between the two halves.
inline constexpr char kUnlockPromptBefore[] = "请输入\"";
inline constexpr char kUnlockPromptAfter[] = "\"文件夹的解密密码";
inline constexpr char kUnlockTitle[] = "录入密码";
inline constexpr char kLockPromptBefore[] = "请输入\"";
inline constexpr char kLockPromptAfter[] = "\"要加密的密码";
inline constexpr char kLockAgainPromptBefore[] = "请再次输入\"";
inline constexpr char kLockAgainPromptAfter[] = "\"密码：";
inline constexpr char kLockTitle[] = "输入密码";

// Refusals, each followed by the update page.
inline constexpr char kWrongPassword[] = "密码不正确，请重新录入！";
inline constexpr char kWrongPasswordTitle[] = "密码错误";
inline constexpr char kEntriesDiffer[] = "两次输入密码不相同。";
inline constexpr char kEntriesDifferTitle[] = "密码错误！";
inline constexpr char kEmptyPassword[] = "不录入密码不能加密。";
inline constexpr char kEmptyPasswordTitle[] = "密码不能为空！";

// Success reports, shown under the default title.
inline constexpr char kLocked[] = "加密成功！";
inline constexpr char kUnlocked[] = "解密成功！";

// Failures: what happened and what is left on disk.
inline constexpr char kLockFailedTitle[] = "加密失败";
inline constexpr char kLockMoveFailed[] = "加密失败，无法重命名该文件夹。";
inline constexpr char kLockWriteFailed[] = "加密失败，无法写入密码文件。";
inline constexpr char kPasswordUnstorable[] =
    "密码中含有无法保存到密码文件中的字符，文件夹未加密。";
// The folder's present path goes between the two halves.
inline constexpr char kLockStrandedBefore[] =
    "加密失败，无法写入密码文件，也无法恢复文件夹原名。\r\n文件夹现在名为\"";
inline constexpr char kLockStrandedAfter[] = "\"，处于加密状态但其中没有密码文件。";
inline constexpr char kNotLockedTitle[] = "无法解密";
inline constexpr char kNotLockedButPasswordFile[] =
    "该文件夹并未加密，但其中已有密码文件tavro.dat。";
inline constexpr char kUnlockFailedTitle[] = "解密失败";
inline constexpr char kUnlockMoveFailed[] = "解密失败，无法恢复文件夹原名。";
inline constexpr char kUnlockedPasswordFileKept[] = "解密成功，但无法删除密码文件tavro.dat。";

}  // namespace folderlocker::lock_texts
