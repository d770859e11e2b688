// The flows of locking and unlocking as a table: what the disk holds, what the user answers,
// what the user is shown and what the disk holds afterwards. The same table runs against the
// in-memory file system and, under Wine, against the real file layer.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/text.h"
#include "faulty_file_system.h"

namespace folderlocker::testing {

using Lines = std::vector<std::string>;

// The disk that a case sets up and inspects. Locations are written below D:\; each disk maps
// that to a folder of its own.
class FixtureDisk {
 public:
  virtual ~FixtureDisk() = default;
  // Exact locations, as another program could leave the disk; missing parents are created.
  virtual void AddDirectory(const Text& location) = 0;
  virtual void AddFile(const Text& location, const std::string& content) = 0;
  // Held open by another program with no sharing, until released or the disk goes.
  virtual void HoldOpen(const Text& location) = 0;
  virtual void ReleaseHeld() = 0;
  // Removes a file, or a folder with everything in it.
  virtual void Remove(const Text& location) = 0;
  // Every folder ("dir  <location>") and file ("file <location> = <content>") below D:\, sorted
  // by location.
  virtual Lines Listing() = 0;
};

struct FlowCase {
  const char* name;
  std::function<void(FixtureDisk&)> setup;
  Text input;
  std::vector<std::optional<Text>> answers;
  Lines shown;     // the dialogue, in order (see ScriptedDialogue)
  Lines on_disk;   // the listing afterwards
  Text used_path;  // what the caller's text holds afterwards
  // Calls of the file layer that fail beyond what the disk itself refuses, by operation and
  // first path (written below D:\).
  std::function<bool(FileOperation, const Text&)> fault = nullptr;
};

void PrintTo(const FlowCase& c, std::ostream* os);

const std::vector<FlowCase>& LockCases();
const std::vector<FlowCase>& UnlockCases();
const std::vector<FlowCase>& FaultCases();

// Listing lines sorted as FixtureDisk::Listing sorts them.
Lines SortedListing(Lines lines);

}  // namespace folderlocker::testing
