// The program's own folder, against which relative paths resolve.
#pragma once

namespace folderlocker {

// Makes the folder that holds the program file the current directory, so that a relative
// command-line argument names something in the program's folder, not in the folder the program
// was started from.
void SetCurrentDirectoryToProgramFolder();

}  // namespace folderlocker
