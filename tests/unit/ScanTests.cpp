#include "recent/Scan.h"

#include <gtest/gtest.h>

#include <tuple>

#include "FakeRegistry.h"
#include "FakeSystem.h"
#include "base/Cp932.h"
#include "menus/TrayHint.h"
#include "recent/Collation.h"

using namespace quenlark;

namespace {

const std::string kShell = "C:\\USERS\\ME\\RECENT";
const std::string kHistory = "C:\\APP\\Recent";

class ScanTest : public ::testing::Test {
 protected:
  ScanResult Scan(bool first = false) {
    return ScanRecent({fs, resolution, collation, network}, {history, shell, lists}, settings, kHistory, kShell,
                      first);
  }
  void Use(const std::string& name, const std::string& target, int minutes) {
    fs.Add(kShell + "\\" + name, target, minutes);
  }
  std::vector<std::string> History() const { return fs.In(kHistory); }

  test::FakeFileSystem fs;
  test::FakeShortcutReader reader{fs};
  ShortcutResolution resolution{reader};
  WordSortCollation collation;
  test::FakeNetwork network;
  ListingTable history{kControllerTableHighestIndex};
  ListingTable shell{kControllerTableHighestIndex};
  FilterLists lists;
  TSettings settings;
};

}  // namespace

TEST_F(ScanTest, EmptyHistoryTakesEveryEntryUnderTheTargetsUpperCasedName) {
  Use("report.doc.lnk", "c:\\docs\\report.doc", 10);
  Use("表.txt.lnk", "c:\\ソフト\\表.txt", 11);
  Use("root.lnk", "e:\\", 12);  // a drive root has no file name
  ScanResult r = Scan(true);
  EXPECT_EQ(History(), (std::vector<std::string>{"REPORT.DOC.lnk", "表.TXT.lnk"}));
  EXPECT_EQ(r.historyCount, 2);
  EXPECT_EQ(r.recentMax, 30);
  // The copy is the shell's shortcut, time stamp included.
  EXPECT_EQ(fs.files.at(kHistory + "\\REPORT.DOC.lnk").lastWrite, fs.files.at(kShell + "\\report.doc.lnk").lastWrite);
}

TEST_F(ScanTest, OlderThanTheNewestHistoryEntryIsNeverCaptured) {
  fs.Add(kHistory + "\\B.TXT.lnk", "c:\\b.txt", 20);
  Use("a.txt.lnk", "c:\\a.txt", 10);  // older, even though not in the history
  Use("c.txt.lnk", "c:\\c.txt", 30);
  Scan();
  EXPECT_EQ(History(), (std::vector<std::string>{"B.TXT.lnk", "C.TXT.lnk"}));
}

TEST_F(ScanTest, TheNewestDateIsCopiedAgainOnEveryTimerScan) {
  Use("a.txt.lnk", "c:\\a.txt", 10);
  Scan(true);
  fs.log.clear();
  Scan();
  Scan();
  int copies = 0;
  for (const auto& entry : fs.log) copies += entry.rfind("copy ", 0) == 0;
  EXPECT_EQ(copies, 2);
  EXPECT_EQ(History(), (std::vector<std::string>{"A.TXT.lnk"}));
}

TEST_F(ScanTest, FirstScanUpdatesOnlyNewerUses) {
  fs.Add(kHistory + "\\A.TXT.lnk", "c:\\a.txt", 20);
  fs.Add(kHistory + "\\Z.TXT.lnk", "c:\\z.txt", 5);
  Use("z.txt.lnk", "c:\\z.txt", 20);   // same target, newer: update
  Use("a.txt.lnk", "c:\\a.txt", 20);   // same target, same date: skip
  Scan(true);
  EXPECT_EQ(fs.files.at(kHistory + "\\Z.TXT.lnk").lastWrite, 20u * 600000000ull);
  int copiesOfA = 0;
  for (const auto& entry : fs.log) copiesOfA += entry.find("A.TXT.lnk") != std::string::npos && entry[0] == 'c';
  EXPECT_EQ(copiesOfA, 0);
}

TEST_F(ScanTest, SameFileNameFromTwoFoldersKeepsTheLaterUse) {
  Use("readme.txt.lnk", "c:\\one\\readme.txt", 10);
  Scan(true);
  fs.Add(kShell + "\\readme.txt.lnk", "d:\\two\\readme.txt", 20);  // the shell updates its shortcut
  Scan();
  ASSERT_EQ(History(), (std::vector<std::string>{"README.TXT.lnk"}));
  EXPECT_EQ(fs.files.at(kHistory + "\\README.TXT.lnk").content, "d:\\two\\readme.txt");
}

TEST_F(ScanTest, OlderUseOfTheSameTargetInOneScanDoesNotOverwriteTheNewer) {
  Use("a1.lnk", "c:\\a.txt", 30);
  Use("a2.lnk", "c:\\a.txt", 10);
  Scan(true);
  EXPECT_EQ(fs.files.at(kHistory + "\\A.TXT.lnk").lastWrite, 30u * 600000000ull);
}

TEST_F(ScanTest, TrimsToRecentMaxOldestFirst) {
  settings.RecentMax = 30;
  for (int i = 0; i < 35; ++i) Use("f" + std::to_string(100 + i) + ".lnk", "c:\\f" + std::to_string(100 + i), i);
  ScanResult r = Scan(true);
  EXPECT_EQ(r.historyCount, 30);
  EXPECT_EQ(r.recentMax, 30);
  auto names = History();
  ASSERT_EQ(names.size(), 30u);
  EXPECT_EQ(names.front(), "F105.lnk");  // F100-F104, the five oldest, are gone
}

// Only a hand-edited registry holds a RecentMax outside the settings dialog's
// 10 to 100; such a value never empties the history nor lets it grow unbounded.
TEST_F(ScanTest, RecentMaxOutsideTheDialogsRangeIsHeldToIt) {
  for (int max : {0, -5, -2147483647 - 1, 9, 101, 2147483647}) {
    fs.files.clear();
    settings.RecentMax = max;
    for (int i = 0; i < 120; ++i) Use("f" + std::to_string(100 + i) + ".lnk", "c:\\f" + std::to_string(100 + i), i);
    fs.Add("C:\\APP\\Other\\KEEP.lnk", "c:\\keep", 1);
    ScanResult r = Scan(true);
    const int held = max < 10 ? 10 : 100;
    ASSERT_EQ(History().size(), static_cast<std::size_t>(held)) << max;
    EXPECT_EQ(History().front(), "F" + std::to_string(220 - held) + ".lnk") << max;  // the newest stay
    EXPECT_EQ(r.historyCount, held);
    EXPECT_EQ(r.recentMax, held);
    EXPECT_EQ(settings.RecentMax, max);  // the setting itself is left as it is
    EXPECT_TRUE(fs.Has("C:\\APP\\Other\\KEEP.lnk"));
  }
}

TEST_F(ScanTest, AutoClearEmptiesTheShellFolderIncludingRejectedEntries) {
  settings.AutoClear = true;
  settings.ExtCheck = 1;
  settings.ExtName = "tmp";
  Use("a.txt.lnk", "c:\\a.txt", 10);
  Use("b.tmp.lnk", "c:\\b.tmp", 11);
  Use("broken.lnk", "<not a shortcut>", 12);
  Use("busy.lnk", "<locked>", 13);
  Scan();
  EXPECT_EQ(History(), (std::vector<std::string>{"A.TXT.lnk"}));
  EXPECT_EQ(fs.In(kShell), (std::vector<std::string>{"busy.lnk"}));  // only the locked one stays
}

// AutoClear removes a shell shortcut only once the history has it, or when
// the scan leaves it out on purpose (older than the newest entry, already
// remembered as recently, no file name, rejected by a filter). A shortcut
// that could not be captured stays for a later scan.
TEST_F(ScanTest, AutoClearKeepsWhatCouldNotBeCaptured) {
  settings.AutoClear = true;
  settings.ExtCheck = 1;
  settings.ExtName = "tmp";
  fs.Add(kHistory + "\\SAME.TXT.lnk", "c:\\same.txt", 20);
  Use("older.txt.lnk", "c:\\older.txt", 10);
  Use("same.txt.lnk", "c:\\same.txt", 20);
  Use("rejected.tmp.lnk", "c:\\rejected.tmp", 30);
  Use("root.lnk", "e:\\", 31);
  // A name the code page cannot hold comes back with "?" and cannot be copied.
  Use("arabic.txt.lnk", "c:\\docs\\?????.txt", 32);
  Use("new.txt.lnk", "c:\\new.txt", 33);
  Scan(true);
  EXPECT_EQ(History(), (std::vector<std::string>{"NEW.TXT.lnk", "SAME.TXT.lnk"}));
  EXPECT_EQ(fs.In(kShell), (std::vector<std::string>{"arabic.txt.lnk"}));

  // A copy that fails (a full disk, a locked entry) leaves the shell's
  // shortcut in place; the next scan captures it and only then clears it.
  Use("later.txt.lnk", "c:\\later.txt", 40);
  fs.failCopies = true;
  Scan();
  EXPECT_TRUE(fs.Has(kShell + "\\later.txt.lnk"));
  fs.failCopies = false;
  Scan();
  EXPECT_TRUE(fs.Has(kHistory + "\\LATER.TXT.lnk"));
  EXPECT_FALSE(fs.Has(kShell + "\\later.txt.lnk"));
}

// Whatever the spelling, a shell folder that is the history folder is never
// emptied, nor copied onto itself.
TEST_F(ScanTest, TheHistoryNamedAsTheShellsFolderIsLeftAlone) {
  settings.AutoClear = true;
  fs.current = "C:\\APP";
  fs.Add(kHistory + "\\A.TXT.lnk", "c:\\a.txt", 10);
  fs.Add(kHistory + "\\B.TXT.lnk", "c:\\b.txt", 20);
  for (const std::string& named : {kHistory, std::string("c:\\app\\RECENT\\"), std::string("Recent")}) {
    for (bool first : {true, false}) {
      ScanResult r = ScanRecent({fs, resolution, collation, network}, {history, shell, lists}, settings, kHistory,
                                named, first);
      EXPECT_EQ(History(), (std::vector<std::string>{"A.TXT.lnk", "B.TXT.lnk"})) << named << first;
      EXPECT_EQ(r.historyCount, 2);
    }
  }
  EXPECT_EQ(fs.log, std::vector<std::string>{});  // no copy, no deletion
}

// The history folder deleted while the program runs is made again (with the
// per-user subfolder, both levels) by the next scan, which then captures.
TEST_F(ScanTest, AHistoryFolderRemovedMeanwhileIsMadeAgain) {
  fs.strictFolders = true;
  fs.folders = {kShell};
  Use("a.txt.lnk", "c:\\a.txt", 10);
  Scan();
  EXPECT_EQ(fs.folders, (std::vector<std::string>{kShell, kHistory}));
  EXPECT_EQ(History(), (std::vector<std::string>{"A.TXT.lnk"}));

  settings.MultiUser = true;
  const std::string own = kHistory + "\\太郎";
  fs.folders = {kShell};
  ScanRecent({fs, resolution, collation, network}, {history, shell, lists}, settings, own, kShell, false);
  EXPECT_EQ(fs.folders, (std::vector<std::string>{kShell, kHistory, own}));
  EXPECT_TRUE(fs.Has(own + "\\A.TXT.lnk"));
}

TEST_F(ScanTest, FiltersDecideWhatIsRemembered) {
  settings.ExtCheck = 2;
  settings.ExtName = "txt";
  Use("a.txt.lnk", "c:\\a.txt", 10);
  Use("b.doc.lnk", "c:\\b.doc", 11);
  Scan();
  EXPECT_EQ(History(), (std::vector<std::string>{"A.TXT.lnk"}));
  EXPECT_EQ(lists.ExtList, (std::vector<std::string>{".TXT"}));
}

TEST_F(ScanTest, CommaInADocumentNameIsCapturedAndTrimmedAsItself) {
  settings.RecentMax = 10;
  Use("a,b.txt.lnk", "c:\\x,y\\a,b.txt", 10);
  Scan();
  EXPECT_EQ(History(), (std::vector<std::string>{"A,B.TXT.lnk"}));
  for (int i = 0; i < 10; ++i) Use("c" + std::to_string(i) + ".lnk", "c:\\c" + std::to_string(i), 20 + i);
  Scan();
  EXPECT_EQ(History().size(), 10u);
  EXPECT_FALSE(fs.Has(kHistory + "\\A,B.TXT.lnk"));
  for (const auto& entry : fs.log) {
    if (entry.rfind("delete ", 0) == 0) {
      EXPECT_EQ(entry, "delete " + kHistory + "\\A,B.TXT.lnk");
    }
  }
}

TEST_F(ScanTest, MissingShellFolderStillTrimsAndReports) {
  for (int i = 0; i < 11; ++i) fs.Add(kHistory + "\\F" + std::to_string(10 + i) + ".lnk", "c:\\f", i);
  settings.RecentMax = 10;
  ScanResult r = ScanRecent({fs, resolution, collation, network}, {history, shell, lists}, settings, kHistory, "",
                            false);
  EXPECT_EQ(r.historyCount, 10);
  EXPECT_EQ(r.recentMax, 10);
  EXPECT_FALSE(fs.Has(kHistory + "\\F10.lnk"));
}

TEST_F(ScanTest, UnreadableHistoryEntriesGoOnlyOnTheFirstScan) {
  fs.Add(kHistory + "\\BAD.lnk", "<not a shortcut>", 1);
  fs.Add(kHistory + "\\BUSY.lnk", "<locked>", 1);
  Scan();
  EXPECT_TRUE(fs.Has(kHistory + "\\BAD.lnk"));  // timer scans do not resolve the history
  Scan(true);
  EXPECT_FALSE(fs.Has(kHistory + "\\BAD.lnk"));
  EXPECT_TRUE(fs.Has(kHistory + "\\BUSY.lnk"));
}

TEST_F(ScanTest, AFullHistoryTableStopsCapturingWithoutOverflow) {
  ListingTable tiny(2);  // room for three lines
  settings.RecentMax = 100;
  settings.AutoClear = true;
  fs.Add(kHistory + "\\OLD.lnk", "c:\\old", 1);
  Use("older.lnk", "c:\\older", 0);
  for (int i = 0; i < 5; ++i) Use("n" + std::to_string(i) + ".lnk", "c:\\n" + std::to_string(i), 10 + i);
  ScanRecent({fs, resolution, collation, network}, {tiny, shell, lists}, settings, kHistory, kShell, false);
  EXPECT_LE(tiny.lines.size(), 3u);
  // The two newest were captured before the table filled up.
  EXPECT_TRUE(fs.Has(kHistory + "\\N4.lnk"));
  EXPECT_TRUE(fs.Has(kHistory + "\\N3.lnk"));
  EXPECT_TRUE(fs.Has(kHistory + "\\OLD.lnk"));
  // AutoClear takes what was captured and what is older than the history;
  // the ones the table had no room for stay.
  EXPECT_EQ(fs.In(kShell), (std::vector<std::string>{"n0.lnk", "n1.lnk", "n2.lnk"}));
}

// The caches must never change what a scan does: the same sequence of uses
// leaves the same files (names, contents, times) in both folders after every
// scan, with the same deletions, listings and hints, with and without them.
// The cached scans leave out copies that would rewrite a history file with
// the bytes it holds, so they make far fewer copies.
TEST(ScanCacheTest, CachedAndUncachedScansDoTheSame) {
  struct Outcome {
    std::vector<std::string> states, deletions, hints, lines;
    int readerCalls = 0, copies = 0;
  };
  auto run = [](bool cached) {
    test::FakeFileSystem fs;
    test::FakeShortcutReader reader{fs};
    ShortcutResolution resolution{reader, cached};
    WordSortCollation collation;
    test::FakeNetwork network;
    ListingTable history{kControllerTableHighestIndex}, shell{kControllerTableHighestIndex};
    FilterLists lists;
    TSettings settings;
    settings.RecentMax = 10;
    SortOrderCache order;
    CopyLedger copies;
    Outcome out;
    auto scan = [&](bool first) {
      const ScanResult r = ScanRecent({fs, resolution, collation, network, cached ? &order : nullptr,
                                       cached ? &copies : nullptr},
                                      {history, shell, lists}, settings, kHistory, kShell, first);
      out.hints.push_back(TrayHint(r.historyCount, r.recentMax));
      std::string state;
      for (const auto& [path, file] : fs.files) state += path + "=" + file.content + "@" + std::to_string(file.lastWrite) + ";";
      out.states.push_back(state);
    };
    for (int i = 0; i < 14; ++i) fs.Add(kShell + "\\d" + std::to_string(i) + ".lnk", "c:\\d" + std::to_string(i), i);
    fs.Add(kShell + "\\junk.lnk", "<not a shortcut>", 3);
    scan(true);
    for (int round = 0; round < 4; ++round) {
      scan(false);
      // A document used again: the shell rewrites its shortcut with a new time.
      fs.Add(kShell + "\\d2.lnk", "c:\\d2", 20 + round);
      // A shortcut replaced in place with another target and another size.
      fs.Add(kShell + "\\d7.lnk", round % 2 ? "c:\\d7" : "c:\\other\\d7x", 7);
      scan(false);
      // A history entry removed behind the program's back, then the newest
      // one replaced by another program's file of the same name.
      if (round == 2) fs.files.erase(kHistory + "\\D5.lnk");
      if (round == 3) fs.Add(kHistory + "\\D2.lnk", "c:\\elsewhere\\d2", 1);
      scan(false);
      scan(false);
    }
    // Two shortcuts of the same date whose targets have the same file name
    // take turns in one history file.
    fs.Add(kShell + "\\e1.lnk", "c:\\one\\e.txt", 40);
    fs.Add(kShell + "\\e2.lnk", "c:\\two\\e.txt", 40);
    scan(false);
    scan(false);
    settings.ExtCheck = 1;
    settings.ExtName = "txt";
    fs.Add(kShell + "\\f.txt.lnk", "c:\\f.txt", 41);
    scan(false);
    settings.ExtName = "doc";
    scan(false);
    settings.AutoClear = true;
    scan(false);
    scan(false);
    out.readerCalls = reader.calls;
    for (const auto& entry : fs.log) {
      if (entry.rfind("delete ", 0) == 0) out.deletions.push_back(entry);
      out.copies += entry.rfind("copy ", 0) == 0;
    }
    for (const auto& line : history.lines) out.lines.push_back(line.Joined());
    for (const auto& line : shell.lines) out.lines.push_back(line.Joined());
    return out;
  };
  const Outcome cached = run(true);
  const Outcome plain = run(false);
  ASSERT_EQ(cached.states.size(), plain.states.size());
  for (std::size_t i = 0; i < plain.states.size(); ++i) EXPECT_EQ(cached.states[i], plain.states[i]) << "scan " << i;
  EXPECT_EQ(cached.deletions, plain.deletions);
  EXPECT_EQ(cached.hints, plain.hints);
  EXPECT_EQ(cached.lines, plain.lines);
  EXPECT_LT(cached.readerCalls * 3, plain.readerCalls);
  EXPECT_LT(cached.copies + 10, plain.copies);  // the plain scans copy the newest entry every time
}

// A captured copy resolves as its original did, so the recent-files menu that
// lists the history next reads none of the new copies; a copy whose bytes
// changed since (another size and time) is read again.
TEST_F(ScanTest, CapturedCopiesAreListedWithoutBeingReadAgain) {
  Scan(true);
  Use("a.txt.lnk", "c:\\docs\\a.txt", 10);
  Use("b.txt.lnk", "c:\\docs\\b.txt", 11);
  Scan();
  ASSERT_EQ(History(), (std::vector<std::string>{"A.TXT.lnk", "B.TXT.lnk"}));
  const int before = reader.calls;
  ListingTable menu{kControllerTableHighestIndex};
  ListingServices listing{fs, resolution, collation};
  ListingOptions options{true, kSortByDate, false, kHistory};
  ASSERT_EQ(ListFolder(listing, kHistory, menu, options), 2);
  EXPECT_EQ(reader.calls, before);
  EXPECT_EQ(menu.lines[1].target, "c:\\docs\\b.txt");

  fs.Add(kHistory + "\\B.TXT.lnk", "c:\\elsewhere\\b.txt", 12);
  ASSERT_EQ(ListFolder(listing, kHistory, menu, options), 2);
  EXPECT_EQ(reader.calls, before + 1);
  EXPECT_EQ(menu.lines[1].target, "c:\\elsewhere\\b.txt");
}

TEST_F(ScanTest, ClearedEntriesStayOutUntilTheShellWritesTheirShortcutsAnew) {
  test::FakeRegistry registry;
  ClearedShortcuts cleared = LoadClearedShortcuts(registry);
  auto scan = [&] {
    ScanRecent({fs, resolution, collation, network, nullptr, nullptr, &cleared}, {history, shell, lists}, settings,
               kHistory, kShell, false);
  };
  Use("a.txt.lnk", "c:\\a.txt", 10);
  Use("b.txt.lnk", "c:\\b.txt", 11);
  Use("c.txt.lnk", "c:\\c.txt", 12);
  scan();
  ASSERT_EQ(History(), (std::vector<std::string>{"A.TXT.lnk", "B.TXT.lnk", "C.TXT.lnk"}));
  // The user clears B and C from the history.
  const std::vector<std::string> chosen{kHistory + "\\B.TXT.lnk", kHistory + "\\C.TXT.lnk"};
  for (const ListingLine& source : ShellSourcesOf(chosen, kHistory, history.lines, shell.lines)) {
    cleared.Remember(source.shortcut, source.lastWrite);
  }
  for (const std::string& file : chosen) fs.Remove(file);
  SaveClearedShortcuts(registry, cleared);
  cleared = LoadClearedShortcuts(registry);  // as after a restart
  scan();
  scan();
  EXPECT_EQ(History(), (std::vector<std::string>{"A.TXT.lnk"}));
  // B opened again: the shell rewrites its shortcut, and it is captured.
  Use("b.txt.lnk", "c:\\b.txt", 20);
  scan();
  EXPECT_EQ(History(), (std::vector<std::string>{"A.TXT.lnk", "B.TXT.lnk"}));
  EXPECT_EQ(cleared.Size(), 1u);  // B is forgotten, C still remembered
}

TEST(ClearedShortcutsTest, AStoredValueThatIsNotTheProgramsOwnLoadsAsNothingRemembered) {
  for (const std::string garbage : {"12\tC:\\a.lnk", "x\tC:\\a.lnk\n", "12C:\\a.lnk\n", "\t\n", "12\t\n",
                                    "99999999999999999999\tC:\\a.lnk\n", "12\tC:\\a.lnk\n-1\tC:\\b.lnk\n"}) {
    test::FakeRegistry registry;
    registry.Set(kRegistryKey, kSystemSection, "ClearedRecent", garbage);
    EXPECT_EQ(LoadClearedShortcuts(registry).Size(), 0u) << garbage;
  }
  ClearedShortcuts many;
  for (int i = 0; i < 500; ++i) many.Remember("C:\\r\\" + std::to_string(i) + ".lnk", 1);
  EXPECT_EQ(ClearedShortcuts::FromText(many.Text()).Size(), ClearedShortcuts::kMost);
}

// Names code page 932 cannot spell, from the resolved target on, as the
// system's seam hands them over (escapes in the program's text): filtered,
// captured under the upper-cased name (accented Latin letters too, so two
// spellings of one document are one entry), trimmed and cleared like any
// other; a lone surrogate and U+FFFD are two names, neither taken for the other.
TEST_F(ScanTest, NamesOutsideTheCodePageAreRememberedLikeAnyOther) {
  auto esc = [](std::u16string_view units) {
    std::string text;
    for (char16_t unit : units) cp932::AppendEscape(text, unit);
    return text;
  };
  const std::string e = esc(u"\u00E9"), E = esc(u"\u00C9"), lone = esc(u"\xD800"), fffd = esc(u"\uFFFD");
  settings.AutoClear = true;
  settings.ExtCheck = 2;
  settings.ExtName = "pdf,txt";
  settings.RecentMax = 10;
  Use("caf" + e + ".pdf.lnk", "c:\\docs\\caf" + e + ".pdf", 10);
  Use("CAF" + E + ".PDF.lnk", "c:\\docs\\CAF" + E + ".PDF", 11);
  Use("wave.doc.lnk", "c:\\a" + esc(u"\u301C") + "b.doc", 12);  // not a listed extension
  Use("x1.lnk", "c:\\x" + lone + ".txt", 13);
  Use("x2.lnk", "c:\\x" + fffd + ".txt", 14);
  Scan();
  EXPECT_EQ(History(), (std::vector<std::string>{"CAF" + E + ".PDF.lnk", "X" + lone + ".TXT.lnk", "X" + fffd + ".TXT.lnk"}));
  EXPECT_EQ(fs.files.at(kHistory + "\\CAF" + E + ".PDF.lnk").content, "c:\\docs\\CAF" + E + ".PDF");
  EXPECT_EQ(fs.files.at(kHistory + "\\X" + lone + ".TXT.lnk").content, "c:\\x" + lone + ".txt");
  EXPECT_TRUE(fs.In(kShell).empty());
  for (int i = 0; i < 8; ++i) Use("n" + std::to_string(i) + ".txt.lnk", "c:\\n" + std::to_string(i) + ".txt", 20 + i);
  Scan();
  EXPECT_EQ(History().size(), 10u);
  EXPECT_FALSE(fs.Has(kHistory + "\\CAF" + E + ".PDF.lnk"));  // the oldest
  EXPECT_TRUE(fs.Has(kHistory + "\\X" + lone + ".TXT.lnk"));
}
