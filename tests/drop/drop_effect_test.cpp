#include "drop/drop_effect.h"

#include <gtest/gtest.h>

namespace folderlocker {
namespace {

constexpr std::uint32_t kAll = kDropEffectCopy | kDropEffectMove | kDropEffectLink;
constexpr std::uint32_t kAlt = 0x20;      // MK_ALT
constexpr std::uint32_t kButtons = 0x13;  // MK_LBUTTON | MK_RBUTTON | MK_MBUTTON

TEST(ChooseDropEffectTest, FollowsTheKeysAndWhatTheSourceAllows) {
  struct Case {
    bool accepted;
    std::uint32_t keys;
    std::uint32_t allowed;
    std::uint32_t effect;
  } cases[] = {
      // Refused data: nothing, whatever the keys.
      {false, 0, kAll, kDropEffectNone},
      {false, kKeyControl, kAll, kDropEffectNone},
      // The shell allows everything: copy, copy, move, none.
      {true, 0, kAll, kDropEffectCopy},
      {true, kKeyControl, kAll, kDropEffectCopy},
      {true, kKeyShift, kAll, kDropEffectMove},
      {true, kKeyControl | kKeyShift, kAll, kDropEffectNone},
      // Without keys: the first that the source allows of copy, move, link.
      {true, 0, kDropEffectMove | kDropEffectLink, kDropEffectMove},
      {true, 0, kDropEffectLink, kDropEffectLink},
      {true, 0, kDropEffectNone, kDropEffectNone},
      // A proposed effect the source does not allow gives nothing, not a fallback.
      {true, kKeyControl, kDropEffectMove, kDropEffectNone},
      {true, kKeyShift, kDropEffectCopy, kDropEffectNone},
      {true, kKeyControl | kKeyShift, kDropEffectLink, kDropEffectNone},
      // Alt and the mouse buttons do not count.
      {true, kAlt, kAll, kDropEffectCopy},
      {true, kButtons | kKeyShift, kAll, kDropEffectMove},
      {true, kAlt | kKeyControl, kDropEffectCopy, kDropEffectCopy},
      // Effects beyond the three are ignored.
      {true, 0, 0x80000000u | kDropEffectMove, kDropEffectMove},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseDropEffect(c.accepted, c.keys, c.allowed), c.effect)
        << "accepted " << c.accepted << ", keys " << c.keys << ", allowed " << c.allowed;
  }
}

}  // namespace
}  // namespace folderlocker
