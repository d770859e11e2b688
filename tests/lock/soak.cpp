#include "soak.h"

#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#include "core/web_page.h"
#include "lock/process_folder.h"
#include "scripted_dialogue.h"

namespace folderlocker::testing {

namespace {

const Text kFolder = "D:\\Work";
const Text kLockedFolder = "D:\\Work.";

// The user's files inside the folder, by name below it: text, binary, GBK, empty, deep.
const std::vector<std::pair<Text, std::string>> kUserFiles = {
    {"a.txt", "alpha"},
    {"sub\\b.bin", std::string("be\0ta\r\n\x1a", 8)},
    {"文件.txt", "内容 \x81\\"},
    {"sub\\deep\\empty", ""},
};

struct Model {
  bool locked = false;
  Text password;
};

enum class Op {
  kLock,
  kLockCancelFirst,
  kLockCancelSecond,
  kLockEntriesDiffer,
  kLockEntriesEmpty,
  kLockUnstorablePassword,
  kLockPasswordFileBlocked,  // a folder named tavro.dat inside
  kLockFolderHeld,
  kLockFileInsideHeld,
  kUnlock,
  kUnlockWrongPassword,
  kUnlockCancel,
  kUnlockFormerNameTaken,
  kUnlockPasswordFileHeld,
  kUnlockFolderHeld,
  kPathNamesNothing,
  kPathEndsInBackslash,
};

const char* NameOf(Op op) {
  switch (op) {
    case Op::kLock:
      return "lock";
    case Op::kLockCancelFirst:
      return "lock, cancel at the first prompt";
    case Op::kLockCancelSecond:
      return "lock, cancel at the second prompt";
    case Op::kLockEntriesDiffer:
      return "lock, differing entries";
    case Op::kLockEntriesEmpty:
      return "lock, empty entries";
    case Op::kLockUnstorablePassword:
      return "lock, password with SUB";
    case Op::kLockPasswordFileBlocked:
      return "lock, a folder named tavro.dat inside";
    case Op::kLockFolderHeld:
      return "lock, folder held open";
    case Op::kLockFileInsideHeld:
      return "lock, a file inside held open";
    case Op::kUnlock:
      return "unlock";
    case Op::kUnlockWrongPassword:
      return "unlock, wrong password";
    case Op::kUnlockCancel:
      return "unlock, cancel";
    case Op::kUnlockFormerNameTaken:
      return "unlock, former name taken";
    case Op::kUnlockPasswordFileHeld:
      return "unlock, password file held open";
    case Op::kUnlockFolderHeld:
      return "unlock, folder held open";
    case Op::kPathNamesNothing:
      return "a path that names nothing";
    case Op::kPathEndsInBackslash:
      return "a path ending in a backslash";
  }
  return "?";
}

const Op kUnlockedOps[] = {Op::kLock,
                           Op::kLock,
                           Op::kLock,
                           Op::kLockCancelFirst,
                           Op::kLockCancelSecond,
                           Op::kLockEntriesDiffer,
                           Op::kLockEntriesEmpty,
                           Op::kLockUnstorablePassword,
                           Op::kLockPasswordFileBlocked,
                           Op::kLockFolderHeld,
                           Op::kLockFileInsideHeld,
                           Op::kPathNamesNothing,
                           Op::kPathEndsInBackslash};
const Op kLockedOps[] = {Op::kUnlock,
                         Op::kUnlock,
                         Op::kUnlock,
                         Op::kUnlockWrongPassword,
                         Op::kUnlockCancel,
                         Op::kUnlockFormerNameTaken,
                         Op::kUnlockPasswordFileHeld,
                         Op::kUnlockFolderHeld,
                         Op::kPathNamesNothing,
                         Op::kPathEndsInBackslash};

class Random {
 public:
  explicit Random(std::uint64_t run) : engine_(run) {}
  // A number below n, the same for the same run on every platform.
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }

  Text Password() {
    static const char* const kPieces[] = {"a",  "b",  "Z",  "7",  " ",      "!",        "\"",
                                          "\\", "密", "码", "锁", "\x81\\", "\xa1\xa1", "é"};
    Text password;
    const std::size_t length = 1 + Below(12);
    for (std::size_t i = 0; i < length; ++i) password += kPieces[Below(std::size(kPieces))];
    return password;
  }

 private:
  std::mt19937_64 engine_;
};

const Text kLockPromptTitle = "输入密码";
const Text kUpdatePage = std::string("web|") + UpdatePageUrl;

Lines LockPrompts(const Text& path) {
  return {"prompt|" + kLockPromptTitle + "|请输入\"" + path + "\"要加密的密码",
          "prompt|" + kLockPromptTitle + "|请再次输入\"" + path + "\"密码："};
}

Text UnlockPrompt() { return "prompt|录入密码|请输入\"" + kFolder + "\"文件夹的解密密码"; }

Text Message(int flags, const Text& title, const Text& text) {
  return "message|" + std::to_string(flags) + "|" + title + "|" + text;
}

Lines Joined(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What the disk must hold for the model: the folder under its one name, the user's files
// unchanged, the password file exactly when locked, nothing else.
Lines ExpectedListing(const Model& model) {
  const Text folder = model.locked ? kLockedFolder : kFolder;
  Lines lines = {"dir  " + folder};
  std::vector<Text> folders;
  for (const auto& [name, content] : kUserFiles) {
    lines.push_back("file " + folder + "\\" + name + " = " + content);
    for (std::size_t cut = name.find('\\'); cut != Text::npos; cut = name.find('\\', cut + 1)) {
      Text sub = folder + "\\" + name.substr(0, cut);
      if (std::find(folders.begin(), folders.end(), sub) == folders.end()) {
        folders.push_back(sub);
        lines.push_back("dir  " + sub);
      }
    }
  }
  if (model.locked) lines.push_back("file " + folder + "\\tavro.dat = " + model.password);
  return SortedListing(lines);
}

std::string Show(const Lines& lines) {
  std::ostringstream out;
  for (const std::string& line : lines) out << "\n    " << line;
  return out.str();
}

// One step: the path handed over, the answers, the faults set up before and cleared after, and
// what must come of it. A step with a fault whose effect differs between file layers (a file held
// open inside a folder that is renamed) predicts nothing but the invariants.
struct Step {
  Op op;
  Text path;
  std::vector<std::optional<Text>> answers;
  std::optional<Lines> shown;  // the exact dialogue, when predicted
  std::optional<Model> after;  // the model afterwards, when predicted
};

Step Plan(Op op, const Model& model, Random& random) {
  const Text p = random.Password();
  Text q = random.Password();
  if (q == p) q += "x";
  const Text here = model.locked ? kLockedFolder : kFolder;
  const Lines lock_prompts = LockPrompts(kFolder);
  const Text lock_move_failed = Message(16, "加密失败", "加密失败，无法重命名该文件夹。");
  Model locked_with_p{true, p};
  switch (op) {
    case Op::kLock:
      return {
          op, kFolder, {p, p}, Joined(lock_prompts, {Message(0, "", "加密成功！")}), locked_with_p};
    case Op::kLockCancelFirst:
      return {op, kFolder, {std::nullopt}, Lines{lock_prompts[0]}, model};
    case Op::kLockCancelSecond:
      return {op, kFolder, {p, std::nullopt}, lock_prompts, model};
    case Op::kLockEntriesDiffer:
      return {
          op,
          kFolder,
          {p, q},
          Joined(lock_prompts, {Message(16, "密码错误！", "两次输入密码不相同。"), kUpdatePage}),
          model};
    case Op::kLockEntriesEmpty:
      return {op,
              kFolder,
              {Text(), Text()},
              Joined(lock_prompts,
                     {Message(16, "密码不能为空！", "不录入密码不能加密。"), kUpdatePage}),
              model};
    case Op::kLockUnstorablePassword: {
      const Text bad = p + "\x1a";
      return {
          op,
          kFolder,
          {bad, bad},
          Joined(lock_prompts,
                 {Message(16, "加密失败", "密码中含有无法保存到密码文件中的字符，文件夹未加密。")}),
          model};
    }
    case Op::kLockPasswordFileBlocked:
      return {op,
              kFolder,
              {p, p},
              Joined(lock_prompts, {Message(16, "加密失败", "加密失败，无法写入密码文件。")}),
              model};
    case Op::kLockFolderHeld:
      return {op, kFolder, {p, p}, Joined(lock_prompts, {lock_move_failed}), model};
    case Op::kLockFileInsideHeld:
      return {op, kFolder, {p, p}, std::nullopt, std::nullopt};
    case Op::kUnlock:
      return {op,
              kLockedFolder,
              {model.password},
              Lines{UnlockPrompt(), Message(0, "", "解密成功！")},
              Model{}};
    case Op::kUnlockWrongPassword:
      return {
          op,
          kLockedFolder,
          {model.password + "?"},
          Lines{UnlockPrompt(), Message(16, "密码错误", "密码不正确，请重新录入！"), kUpdatePage},
          model};
    case Op::kUnlockCancel:
      return {op, kLockedFolder, {std::nullopt}, Lines{UnlockPrompt()}, model};
    case Op::kUnlockFormerNameTaken:
    case Op::kUnlockFolderHeld:
      return {op,
              kLockedFolder,
              {model.password},
              Lines{UnlockPrompt(), Message(16, "解密失败", "解密失败，无法恢复文件夹原名。")},
              model};
    case Op::kUnlockPasswordFileHeld:
      // The password file reads as absent: the locked name is offered for locking, and the move
      // from it, which names nothing, fails.
      return {
          op, kLockedFolder, {p, p}, Joined(LockPrompts(kLockedFolder), {lock_move_failed}), model};
    case Op::kPathNamesNothing:
      return {
          op, "D:\\Nothing", {p, p}, Joined(LockPrompts("D:\\Nothing"), {lock_move_failed}), model};
    case Op::kPathEndsInBackslash: {
      const Text path = here + "\\";
      return {op, path, {p, p}, Joined(LockPrompts(path), {lock_move_failed}), model};
    }
  }
  return {op, here, {}, std::nullopt, std::nullopt};
}

void SetUpFaults(Op op, FixtureDisk& disk) {
  switch (op) {
    case Op::kLockPasswordFileBlocked:
      disk.AddDirectory(kFolder + "\\tavro.dat");
      break;
    case Op::kLockFolderHeld:
      disk.HoldOpen(kFolder);
      break;
    case Op::kLockFileInsideHeld:
      disk.HoldOpen(kFolder + "\\a.txt");
      break;
    case Op::kUnlockFormerNameTaken:
      disk.AddDirectory(kFolder);
      break;
    case Op::kUnlockPasswordFileHeld:
      disk.HoldOpen(kLockedFolder + "\\tavro.dat");
      break;
    case Op::kUnlockFolderHeld:
      disk.HoldOpen(kLockedFolder);
      break;
    default:
      break;
  }
}

// Clears what SetUpFaults left. The folder that took the former name must still be empty.
std::string ClearFaults(Op op, FixtureDisk& disk) {
  disk.ReleaseHeld();
  if (op == Op::kLockPasswordFileBlocked) {
    const Lines listing = disk.Listing();
    for (const Text& folder : {kFolder, kLockedFolder}) {
      const Text blocker = "dir  " + folder + "\\tavro.dat";
      if (std::find(listing.begin(), listing.end(), blocker) != listing.end()) {
        disk.Remove(folder + "\\tavro.dat");
      }
    }
  }
  if (op == Op::kUnlockFormerNameTaken) {
    Lines listing = disk.Listing();
    for (const std::string& line : listing) {
      if (line.rfind("file " + kFolder + "\\", 0) == 0 ||
          line.rfind("dir  " + kFolder + "\\", 0) == 0) {
        return "something was moved into the folder that held the former name:" + Show(listing);
      }
    }
    disk.Remove(kFolder);
  }
  return std::string();
}

// The model that the dialogue says came about: a success report changes it, anything else
// leaves it.
Model ModelShown(const Lines& shown, const Model& before,
                 const std::vector<std::optional<Text>>& answers) {
  for (const std::string& line : shown) {
    if (line == Message(0, "", "加密成功！"))
      return Model{true, answers.empty() || !answers[0] ? Text() : *answers[0]};
    if (line == Message(0, "", "解密成功！")) return Model{};
  }
  return before;
}

}  // namespace

SoakSettings SoakSettingsFromEnvironment(int default_steps) {
  SoakSettings settings;
  settings.steps = default_steps;
  if (const char* run = std::getenv("FOLDERLOCKER_SOAK_RUN")) {
    settings.run = std::strtoull(run, nullptr, 10);
  }
  if (const char* steps = std::getenv("FOLDERLOCKER_SOAK_STEPS")) {
    settings.steps = std::atoi(steps);
  }
  return settings;
}

SoakOutcome RunSoak(FixtureDisk& disk, FileSystem& files, const SoakSettings& settings,
                    const PathMapping& to_disk, const PathMapping& from_disk) {
  SoakOutcome outcome;
  Random random(settings.run);
  for (const auto& [name, content] : kUserFiles) disk.AddFile(kFolder + "\\" + name, content);
  Model model;
  for (int step = 1; step <= settings.steps; ++step) {
    const Op op = model.locked ? kLockedOps[random.Below(std::size(kLockedOps))]
                               : kUnlockedOps[random.Below(std::size(kUnlockedOps))];
    const Step planned = Plan(op, model, random);
    SetUpFaults(op, disk);
    ScriptedDialogue dialogue(planned.answers);
    Text text = to_disk(planned.path);
    ProcessFolder(text, files, dialogue);
    Lines shown;
    for (const std::string& line : dialogue.record()) shown.push_back(from_disk(line));
    std::string problem = ClearFaults(op, disk);

    const Model after = ModelShown(shown, model, planned.answers);
    const Lines listing = disk.Listing();
    if (problem.empty() && planned.shown && shown != *planned.shown) {
      problem = "the dialogue went otherwise; expected:" + Show(*planned.shown);
    }
    if (problem.empty() && planned.after &&
        (after.locked != planned.after->locked || after.password != planned.after->password)) {
      problem = std::string("the folder should be ") +
                (planned.after->locked ? "locked" : "unlocked") + " now";
    }
    if (problem.empty() && listing != ExpectedListing(after)) {
      problem = "the disk does not hold what it must; expected:" + Show(ExpectedListing(after));
    }
    outcome.steps_run = step;
    if (!problem.empty()) {
      outcome.passed = false;
      std::ostringstream failure;
      failure << "soak run " << settings.run << ", step " << step << " (" << NameOf(op)
              << "): " << problem << "\n  the dialogue:" << Show(shown)
              << "\n  the disk:" << Show(listing)
              << "\n  replay: FOLDERLOCKER_SOAK_RUN=" << settings.run
              << " FOLDERLOCKER_SOAK_STEPS=" << step;
      outcome.failure = failure.str();
      return outcome;
    }
    model = after;
  }
  return outcome;
}

}  // namespace folderlocker::testing
