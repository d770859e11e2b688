#include <windows.h>

#include "app/command_line.h"

namespace folderlocker {

TextList GetCommandLineArgs() { return SplitCommandLine(GetCommandLineA()); }

}  // namespace folderlocker
