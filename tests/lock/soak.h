// A long random run of the lock dialogue against one folder, with injected faults, that checks
// after every step that nothing was lost: the folder exists under exactly one of its two names,
// a locked folder holds a tavro.dat with exactly its password, an unlocked one holds none, and
// every other file's bytes are unchanged.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "flow_cases.h"
#include "lock/file_system.h"

namespace folderlocker::testing {

struct SoakOutcome {
  bool passed = true;
  int steps_run = 0;
  std::string failure;  // the run number, the step and what broke, when !passed
};

struct SoakSettings {
  // The run number: the same number replays the same steps.
  std::uint64_t run = 20261211;
  int steps = 1000;
};

// The run number and step count, from FOLDERLOCKER_SOAK_RUN and FOLDERLOCKER_SOAK_STEPS when set.
SoakSettings SoakSettingsFromEnvironment(int default_steps);

// Paths as the disk knows them, and back (the identity for the in-memory file system).
using PathMapping = std::function<Text(const Text&)>;

// Runs the soak on disk (whose D:\ holds nothing yet) through files, stopping at the first step
// that breaks an invariant.
SoakOutcome RunSoak(FixtureDisk& disk, FileSystem& files, const SoakSettings& settings,
                    const PathMapping& to_disk, const PathMapping& from_disk);

}  // namespace folderlocker::testing
