// Which effect a drag shows over the drop input, and which a drop gets.
#pragma once

#include <cstdint>

namespace folderlocker {

inline constexpr std::uint32_t kDropEffectNone = 0;  // DROPEFFECT_NONE
inline constexpr std::uint32_t kDropEffectCopy = 1;  // DROPEFFECT_COPY
inline constexpr std::uint32_t kDropEffectMove = 2;  // DROPEFFECT_MOVE
inline constexpr std::uint32_t kDropEffectLink = 4;  // DROPEFFECT_LINK
inline constexpr std::uint32_t kKeyShift = 4;        // MK_SHIFT
inline constexpr std::uint32_t kKeyControl = 8;      // MK_CONTROL

// The effect for a drag whose data is accepted (or not), given the key state and the effects the
// source allows. Only Control and Shift count: Control proposes copy, Shift move, both together
// link, which is then refused as well; a proposed effect stands only if the source allows it.
// With no key: copy, else move, else link, as the source allows.
std::uint32_t ChooseDropEffect(bool accepted, std::uint32_t key_state, std::uint32_t allowed);

}  // namespace folderlocker
