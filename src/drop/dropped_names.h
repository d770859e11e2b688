// How the names of a dropped file list are delivered as one text.
#pragma once

#include "core/text.h"

namespace folderlocker {

// One name alone, with no line end; two or more each followed by CR LF, the last one included;
// no names, the empty text.
Text JoinDroppedNames(const TextList& names);

}  // namespace folderlocker
