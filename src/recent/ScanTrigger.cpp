#include "recent/ScanTrigger.h"

#include <algorithm>

namespace quenlark {

void ScanTrigger::Enable(bool on) {
  enabled_ = on;
  if (!on) {
    Stop();
    return;
  }
  for (int slot : {kShellSlot, kHistorySlot}) {
    if (!armed_[slot] && !folders_[slot].empty()) Arm(slot);
  }
}

void ScanTrigger::SetFolders(const std::string& shellFolder, const std::string& historyFolder) {
  const std::array<const std::string*, 2> wanted{&shellFolder, &historyFolder};
  for (int slot : {kShellSlot, kHistorySlot}) {
    if (folders_[slot] == *wanted[slot]) continue;
    Disarm(slot);
    folders_[slot] = *wanted[slot];
    if (enabled_ && !folders_[slot].empty()) Arm(slot);
  }
}

void ScanTrigger::Tick() {
  if (!enabled_) return;
  for (int slot : {kShellSlot, kHistorySlot}) {
    Disarm(slot);
    if (!folders_[slot].empty()) Arm(slot);
  }
}

void ScanTrigger::Signal(int slot, bool lost) {
  if (lost && (slot == kShellSlot || slot == kHistorySlot)) Disarm(slot);
  // A signal still queued when the watches were switched off.
  if (!enabled_) return;
  const std::uint64_t now = host_.NowMilliseconds();
  if (!pending_) {
    pending_ = true;
    firstSignal_ = now;
  }
  lastSignal_ = now;
  const std::uint64_t due = Due();
  host_.StartSettleTimer(static_cast<unsigned>(due > now ? due - now : 0));
}

void ScanTrigger::SettleTimerFired() {
  if (!pending_) return;  // a scan since the signals has covered them
  const std::uint64_t now = host_.NowMilliseconds();
  const std::uint64_t due = Due();
  if (now < due) {
    host_.StartSettleTimer(static_cast<unsigned>(due - now));
    return;
  }
  pending_ = false;
  host_.ScanFromTrigger();
  notifiedScanRan_ = true;
  lastNotifiedScan_ = host_.NowMilliseconds();
}

void ScanTrigger::Stop() {
  for (int slot : {kShellSlot, kHistorySlot}) Disarm(slot);
  pending_ = false;
}

void ScanTrigger::Arm(int slot) { armed_[slot] = watch_.Arm(slot, folders_[slot]); }

void ScanTrigger::Disarm(int slot) {
  if (!armed_[slot]) return;
  watch_.Disarm(slot);
  armed_[slot] = false;
}

std::uint64_t ScanTrigger::Due() const {
  // Settled: a quiet moment after the latest signal, but no later than the
  // gap after the first one, so that a folder that never stops changing is
  // still scanned.
  std::uint64_t due = std::min<std::uint64_t>(lastSignal_ + kSettleMilliseconds, firstSignal_ + kLeastGapMilliseconds);
  if (notifiedScanRan_) due = std::max<std::uint64_t>(due, lastNotifiedScan_ + kLeastGapMilliseconds);
  return due;
}

}  // namespace quenlark
