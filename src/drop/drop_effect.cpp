#include "drop/drop_effect.h"

#include <initializer_list>

namespace folderlocker {

std::uint32_t ChooseDropEffect(bool accepted, std::uint32_t key_state, std::uint32_t allowed) {
  if (!accepted) return kDropEffectNone;
  const bool control = (key_state & kKeyControl) != 0;
  const bool shift = (key_state & kKeyShift) != 0;
  if (control || shift) {
    if (control && shift) return kDropEffectNone;  // a link is never taken
    const std::uint32_t proposed = control ? kDropEffectCopy : kDropEffectMove;
    return (allowed & proposed) ? proposed : kDropEffectNone;
  }
  for (std::uint32_t effect : {kDropEffectCopy, kDropEffectMove, kDropEffectLink}) {
    if (allowed & effect) return effect;
  }
  return kDropEffectNone;
}

}  // namespace folderlocker
