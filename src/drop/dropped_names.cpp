#include "drop/dropped_names.h"

namespace folderlocker {

Text JoinDroppedNames(const TextList& names) {
  if (names.size() == 1) return names.front();
  Text joined;
  for (const Text& name : names) joined += name + "\r\n";
  return joined;
}

}  // namespace folderlocker
