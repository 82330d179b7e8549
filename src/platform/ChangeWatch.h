// Change notifications on folders: told when the files of a folder change.
#pragma once

#include <string>

namespace platform {

class IChangeWatch {
 public:
  virtual ~IChangeWatch() = default;
  // Starts watching the files directly in `folder` (added, removed, renamed,
  // written, resized; not its subfolders) as watch number `slot`, ending an
  // earlier watch of that number. A change is reported later, through the
  // message loop, as a signal of the slot. False when the folder cannot be
  // watched (missing, not a folder, its drive gone).
  virtual bool Arm(int slot, const std::string& folder) = 0;
  // Ends the watch of `slot` (none is no error).
  virtual void Disarm(int slot) = 0;
  // The signal of `slot` was taken from the message loop: the next change
  // may signal again.
  virtual void Acknowledge(int /*slot*/) {}
};

}  // namespace platform
