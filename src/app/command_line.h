// How the program's command line is split into arguments.
#pragma once

#include <string_view>

#include "core/text.h"

namespace folderlocker {

// Splits a command line into its arguments, the program path left out. The path ends at the
// closing double quote when it starts with one, else at the first space. Between arguments,
// bytes 0x01 to 0x20 are skipped. An argument in double quotes runs to the next double quote and
// takes spaces and backslashes as they are (nothing escapes); any other argument runs up to a
// double quote or a byte from 0x01 to 0x20. Inside an argument a byte with the high bit set takes
// the next byte along; such a byte at the very end of the line is dropped. Two double quotes with
// nothing between them give an empty argument.
TextList SplitCommandLine(std::string_view command_line);

#ifdef _WIN32
// The arguments of this process's command line (GetCommandLineA), split as above.
TextList GetCommandLineArgs();
#endif

}  // namespace folderlocker
