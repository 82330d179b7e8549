#include "recent/ScanTrigger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "FakeSystem.h"
#include "menus/TrayHint.h"
#include "recent/Collation.h"
#include "recent/Scan.h"

using namespace quenlark;

namespace {

// Watches that report what the test says; a folder can be made unwatchable
// (missing, its drive gone). A watch that went deaf without failing is one
// the test marks `deaf`: only a new watch of the folder hears it again.
class FakeChangeWatch : public platform::IChangeWatch {
 public:
  std::map<int, std::string> armed;
  std::set<std::string> unwatchable;
  std::set<int> deaf;
  int arms = 0;
  bool Arm(int slot, const std::string& folder) override {
    Disarm(slot);
    if (unwatchable.count(folder)) return false;
    ++arms;
    armed[slot] = folder;
    return true;
  }
  void Disarm(int slot) override {
    armed.erase(slot);
    deaf.erase(slot);
  }
  bool Hears(int slot) const { return armed.count(slot) && !deaf.count(slot); }
};

// The controller's side on a simulated clock: the settling timer is a time
// the loop below fires (no sooner than 10 ms, as SetTimer), and a scan asked
// for by the trigger is reported back through ScanRan as every scan is.
class SimulatedHost : public IScanTriggerHost {
 public:
  std::uint64_t now = 0;
  std::optional<std::uint64_t> settleAt;
  std::vector<std::uint64_t> scans;  // when the trigger's scans ran
  std::function<void()> scan = [] {};
  ScanTrigger* trigger = nullptr;

  std::uint64_t NowMilliseconds() override { return now; }
  void StartSettleTimer(unsigned milliseconds) override { settleAt = now + std::max(milliseconds, 10u); }
  void ScanFromTrigger() override {
    scans.push_back(now);
    scan();
    trigger->ScanRan();
  }
  // Fires the settling timer whenever it is due, up to `end`.
  void RunUntil(std::uint64_t end) {
    while (settleAt && *settleAt <= end) {
      now = *settleAt;
      settleAt.reset();
      trigger->SettleTimerFired();
    }
    now = end;
  }
};

class ScanTriggerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.trigger = &trigger;
    trigger.SetFolders("S", "H");
  }
  FakeChangeWatch watch;
  SimulatedHost host;
  ScanTrigger trigger{watch, host};
};

}  // namespace

TEST_F(ScanTriggerTest, ABurstMakesOneScanAStreamOneEveryGapAndAnyScanCoversEarlierSignals) {
  // A burst of writes: one scan, a settling time after the last of them.
  for (std::uint64_t t : {1000, 1010, 1020, 1030}) {
    host.RunUntil(t);
    trigger.Signal(ScanTrigger::kShellSlot, false);
  }
  host.RunUntil(2000);
  EXPECT_EQ(host.scans, (std::vector<std::uint64_t>{1080}));

  // A folder that never stops changing is scanned every gap, never starved
  // and never more often.
  host.scans.clear();
  for (std::uint64_t t = 5000; t <= 7000; t += 10) {
    host.RunUntil(t);
    trigger.Signal(ScanTrigger::kHistorySlot, false);
  }
  host.RunUntil(8000);
  ASSERT_GE(host.scans.size(), 8u);
  EXPECT_LE(host.scans.front(), 5000u + ScanTrigger::kLeastGapMilliseconds);
  for (std::size_t i = 1; i < host.scans.size(); ++i) {
    EXPECT_GE(host.scans[i] - host.scans[i - 1], ScanTrigger::kLeastGapMilliseconds);
    EXPECT_LE(host.scans[i] - host.scans[i - 1], ScanTrigger::kLeastGapMilliseconds + 10);
  }
  EXPECT_GE(host.scans.back(), 7000u);  // the last change was scanned too

  // A change just after a notified scan waits for the gap.
  host.scans.clear();
  host.RunUntil(9000);
  trigger.Signal(ScanTrigger::kShellSlot, false);
  host.RunUntil(9060);
  trigger.Signal(ScanTrigger::kShellSlot, false);
  host.RunUntil(10000);
  EXPECT_EQ(host.scans, (std::vector<std::uint64_t>{9050, 9050 + ScanTrigger::kLeastGapMilliseconds}));

  // A timer scan after the signal has seen the change: nothing more.
  host.scans.clear();
  host.RunUntil(12000);
  trigger.Signal(ScanTrigger::kShellSlot, false);
  host.RunUntil(12020);
  trigger.ScanRan();
  host.RunUntil(13000);
  EXPECT_TRUE(host.scans.empty());
  EXPECT_FALSE(trigger.Pending());
}

TEST_F(ScanTriggerTest, LostMissingOrReplacedFoldersFallBackToTheTimerAndAreWatchedAgainWhenBack) {
  EXPECT_EQ(watch.armed, (std::map<int, std::string>{{0, "S"}, {1, "H"}}));

  // A failed watch ends at once; its signal still asks for a scan.
  trigger.Signal(ScanTrigger::kShellSlot, true);
  EXPECT_FALSE(trigger.Watching(ScanTrigger::kShellSlot));
  host.RunUntil(100);
  EXPECT_EQ(host.scans.size(), 1u);
  // The folder is missing at the next tick, and back at the one after.
  watch.unwatchable.insert("S");
  trigger.Tick();
  EXPECT_FALSE(trigger.Watching(ScanTrigger::kShellSlot));
  watch.unwatchable.clear();
  trigger.Tick();
  EXPECT_TRUE(trigger.Watching(ScanTrigger::kShellSlot));

  // A watch that stopped signalling without failing (its folder replaced):
  // the next tick watches the folder afresh.
  watch.deaf.insert(ScanTrigger::kHistorySlot);
  trigger.Tick();
  EXPECT_TRUE(watch.Hears(ScanTrigger::kHistorySlot));

  // The settings move the history folder: the new one is watched.
  trigger.SetFolders("S", "H2");
  EXPECT_EQ(watch.armed, (std::map<int, std::string>{{0, "S"}, {1, "H2"}}));

  // Switched off, nothing is watched and a signal still queued does nothing.
  trigger.Enable(false);
  EXPECT_TRUE(watch.armed.empty());
  trigger.Signal(ScanTrigger::kShellSlot, false);
  trigger.Tick();
  host.RunUntil(5000);
  EXPECT_EQ(host.scans.size(), 1u);
  EXPECT_TRUE(watch.armed.empty());
  trigger.Enable(true);
  EXPECT_EQ(watch.armed.size(), 2u);
  trigger.Stop();
  EXPECT_TRUE(watch.armed.empty());
}

// A scan is a scan; a notification only changes its moment. The same sequence
// of changes to the two folders (documents used, used again, history entries
// deleted by another program, the settings changed) is run twice: with the
// timer alone, and with the notified scans besides. At every tick both leave
// the same files in both folders, the same listings and the same hint. The
// notified run has each new document in the history within the settling
// time, and its own writes do not keep it scanning.
TEST(ScanTriggerEquivalenceTest, NotifiedAndTimerOnlyScansLeaveTheSameAtEveryTick) {
  const std::string shellFolder = "C:\\USERS\\ME\\RECENT";
  const std::string historyFolder = "C:\\APP\\Recent";
  constexpr std::uint64_t kTick = 5000;

  struct Outcome {
    std::vector<std::string> ticks;
    std::vector<std::uint64_t> scans;
    std::vector<std::uint64_t> captureDelays;
  };
  auto run = [&](bool notified) {
    test::FakeFileSystem fs;
    test::FakeShortcutReader reader{fs};
    ShortcutResolution resolution{reader};
    WordSortCollation collation;
    test::FakeNetwork network;
    ListingTable history{kControllerTableHighestIndex}, shell{kControllerTableHighestIndex};
    FilterLists lists;
    TSettings settings;
    settings.RecentMax = 10;
    SortOrderCache order;
    CopyLedger copies;
    FakeChangeWatch watch;
    SimulatedHost host;
    ScanTrigger trigger{watch, host};
    host.trigger = &trigger;
    Outcome out;

    // A change notification reaches the controller through its message
    // queue: after the operation that made it, a scan included.
    std::vector<int> queued;
    fs.changed = [&](const std::string& path) {
      for (const auto& [slot, folder] : watch.armed) {
        if (watch.Hears(slot) && path.rfind(folder + "\\", 0) == 0) queued.push_back(slot);
      }
    };
    auto scan = [&](bool first) {
      ScanResult r = ScanRecent({fs, resolution, collation, network, &order, &copies}, {history, shell, lists},
                                settings, historyFolder, shellFolder, first);
      trigger.ScanRan();
      return TrayHint(r.historyCount, r.recentMax);
    };
    host.scan = [&] { scan(false); };
    std::uint64_t nextTick = kTick;
    auto runUntil = [&](std::uint64_t end) {
      for (;;) {
        for (int slot : std::exchange(queued, {})) trigger.Signal(slot, false);
        const std::uint64_t next = std::min(host.settleAt.value_or(UINT64_MAX), nextTick);
        if (next > end) break;
        if (next == nextTick) {
          host.now = nextTick;
          const std::string hint = scan(false);
          trigger.Tick();
          std::string state = hint + "\n";
          for (const auto& [path, file] : fs.files) state += path + "=" + file.content + "@" + std::to_string(file.lastWrite) + "\n";
          // The shell's listing is not compared: it is what a scan found
          // before AutoClear emptied the folder, so after an AutoClear it
          // holds what the latest scan found, which the notified run found
          // earlier. The folder's content is compared above.
          for (const auto& line : history.lines) state += line.Joined() + "\n";
          out.ticks.push_back(state);
          nextTick += kTick;
        } else {
          host.RunUntil(next);
        }
      }
      host.now = end;
    };
    // The shell writes a shortcut dated by the moment of use (minutes here).
    auto use = [&](std::uint64_t at, const std::string& name, const std::string& target) {
      runUntil(at);
      fs.Add(shellFolder + "\\" + name, target, static_cast<int>(100 + at / 100));
      if (!notified) return;
      const std::string copy = historyFolder + "\\" + cp932::ExtractFileName(cp932::Upper(target)) + ".lnk";
      for (std::uint64_t t = at + 1; t < at + kTick && !fs.Has(copy); ++t) runUntil(t);
      out.captureDelays.push_back(host.now - at);
    };

    trigger.Enable(notified);
    trigger.SetFolders(shellFolder, historyFolder);
    for (int i = 0; i < 8; ++i) fs.Add(shellFolder + "\\d" + std::to_string(i) + ".txt.lnk", "c:\\d" + std::to_string(i) + ".txt", i);
    fs.Add(shellFolder + "\\junk.lnk", "<not a shortcut>", 3);
    scan(true);

    use(1200, "a.txt.lnk", "c:\\docs\\a.txt");
    use(3100, "b.txt.lnk", "c:\\docs\\b.txt");
    use(3600, "d2.txt.lnk", "c:\\d2.txt");  // used again: the shell rewrites its shortcut
    use(7300, "c.txt.lnk", "c:\\docs\\c.txt");
    runUntil(10100);
    fs.Remove(historyFolder + "\\C.TXT.lnk");  // another program deletes the newest entry and another
    fs.Remove(historyFolder + "\\D7.TXT.lnk");
    use(12100, "e.txt.lnk", "c:\\docs\\e.txt");
    use(12500, "f.txt.lnk", "c:\\docs\\f.txt");
    runUntil(13000);
    // A burst of three within the settling time.
    fs.Add(shellFolder + "\\g1.txt.lnk", "c:\\docs\\g1.txt", 230);
    fs.Add(shellFolder + "\\g2.txt.lnk", "c:\\docs\\g2.txt", 230);
    fs.Add(shellFolder + "\\g3.txt.lnk", "c:\\docs\\g3.txt", 230);
    runUntil(16000);
    settings.AutoClear = true;
    use(17000, "h.txt.lnk", "c:\\docs\\h.txt");
    use(23900, "a.txt.lnk", "c:\\docs\\a.txt");
    runUntil(60000);  // idle: a minute without changes
    out.scans = host.scans;
    return out;
  };

  const Outcome timerOnly = run(false);
  const Outcome notified = run(true);
  ASSERT_EQ(timerOnly.ticks.size(), 12u);
  ASSERT_EQ(notified.ticks.size(), timerOnly.ticks.size());
  for (std::size_t i = 0; i < timerOnly.ticks.size(); ++i) {
    EXPECT_EQ(notified.ticks[i], timerOnly.ticks[i]) << "tick " << i + 1;
  }
  EXPECT_TRUE(timerOnly.scans.empty());
  ASSERT_EQ(notified.captureDelays.size(), 8u);
  // Within the settling time, or the gap after the scan of a use just before.
  int settled = 0;
  for (std::uint64_t delay : notified.captureDelays) {
    EXPECT_LE(delay, ScanTrigger::kLeastGapMilliseconds);
    settled += delay <= ScanTrigger::kSettleMilliseconds + 10;
  }
  EXPECT_GE(settled, 7);
  // Each change made a scan and its captures at most one more; nothing after
  // the last change but its own echo.
  EXPECT_LE(notified.scans.size(), 2u * 11u);
  EXPECT_LT(notified.scans.back(), 25000u);
}
