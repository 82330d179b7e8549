// When a change in the shell's Recent folder or in the history folder makes
// the controller scan before the scan timer's next tick. The timer keeps
// scanning every ScanTime seconds whatever happens here; a change notification
// only adds a scan, the same operation as a tick's, soon after the change:
//
// - a signal starts (or restarts) a short settling wait, so that a burst of
//   writes makes one scan;
// - a folder that changes without pause still gets a scan at least every
//   kLeastGapMilliseconds after the first signal of a burst, and never more
//   often than that: notified scans keep that gap between them;
// - a scan of any kind covers the signals that came before it began;
// - a watch that fails ends, and every timer tick watches both folders
//   afresh: a watch that stopped signalling without failing (its folder
//   deleted, or moved away and another made under its name, or its drive
//   gone) is replaced within one tick, and a folder deleted by another
//   program is not kept in being by the watch's handle for longer than that
//   (a deleted folder stays until its last handle is closed). Meanwhile the
//   timer alone scans, as it always does.
//
// The scan's own writes (copies into the history, AutoClear's deletions) are
// signals too. A scan that finds nothing new writes nothing (a copy that would
// rewrite a history file with its own bytes is left out), so the signals of
// one capture end after one more scan.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/ChangeWatch.h"

namespace quenlark {

// What the trigger needs of the controller.
class IScanTriggerHost {
 public:
  virtual ~IScanTriggerHost() = default;
  // A monotonic clock in milliseconds.
  virtual std::uint64_t NowMilliseconds() = 0;
  // Starts the one-shot settling timer, replacing one that is running; the
  // controller calls SettleTimerFired when it fires.
  virtual void StartSettleTimer(unsigned milliseconds) = 0;
  // Runs one scan, the same as a timer tick's; the controller reports it
  // through ScanRan like every other scan.
  virtual void ScanFromTrigger() = 0;
};

class ScanTrigger {
 public:
  static constexpr int kShellSlot = 0;
  static constexpr int kHistorySlot = 1;
  static constexpr unsigned kSettleMilliseconds = 50;
  static constexpr unsigned kLeastGapMilliseconds = 250;

  ScanTrigger(platform::IChangeWatch& watch, IScanTriggerHost& host) : watch_(watch), host_(host) {}

  // Off, nothing is watched and the timer alone scans.
  void Enable(bool on);
  // The folders to watch. A folder whose path changed is watched afresh; an
  // empty path is not watched.
  void SetFolders(const std::string& shellFolder, const std::string& historyFolder);
  // A tick of the scan timer (after its scan): the folders are watched
  // afresh; one that cannot be watched now is tried again at the next tick.
  void Tick();
  // A change reported by the watch of `slot`; `lost` when that watch failed
  // and ended with it.
  void Signal(int slot, bool lost);
  // The settling timer fired (the controller has stopped it).
  void SettleTimerFired();
  // A scan of any kind ran. Every signal reported so far came before it
  // began (signals arrive through the message loop, and a scan does not let
  // that loop run), so the scan has seen those changes.
  void ScanRan() { pending_ = false; }
  // Ends every watch.
  void Stop();

  bool Watching(int slot) const { return armed_[slot]; }
  bool Pending() const { return pending_; }

 private:
  void Arm(int slot);
  void Disarm(int slot);
  std::uint64_t Due() const;

  platform::IChangeWatch& watch_;
  IScanTriggerHost& host_;
  bool enabled_ = true;
  std::array<std::string, 2> folders_;
  std::array<bool, 2> armed_{false, false};
  // Signals not yet covered by a scan: the first and the latest of them.
  bool pending_ = false;
  std::uint64_t firstSignal_ = 0;
  std::uint64_t lastSignal_ = 0;
  // When the latest scan this trigger asked for ended.
  bool notifiedScanRan_ = false;
  std::uint64_t lastNotifiedScan_ = 0;
};

}  // namespace quenlark
