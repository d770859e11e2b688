// Locking and unlocking a folder: the program's one job.
#pragma once

#include "core/text.h"
#include "lock/file_system.h"
#include "lock/lock_dialogue.h"

namespace folderlocker {

// Takes a path, or several paths each followed by CR LF of which only the first counts, decides
// whether that folder is locked, and locks or unlocks it through the dialogue. Replaces text with
// the path it used. A folder counts as locked when the first line of the password file reached
// through its path + ".\tavro.dat" is not empty; a locked folder carries its former name plus one
// period and holds that file.
void ProcessFolder(Text& text, FileSystem& files, LockDialogue& dialogue);

}  // namespace folderlocker
