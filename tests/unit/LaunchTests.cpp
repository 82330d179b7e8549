#include "menus/Launch.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

#include "base/Cp932.h"

using namespace quenlark;

namespace {

const std::string kWindows = "C:\\WINDOWS\\";

// A disk that knows a few folders and files; it records what was asked.
struct FakeDisk {
  std::set<std::string> folders;
  std::set<std::string> files;
  std::vector<std::string> asked;

  std::function<bool(const std::string&)> IsFolder() {
    return [this](const std::string& p) {
      asked.push_back(p);
      return folders.count(p) > 0;
    };
  }
  std::function<bool(const std::string&)> FileExists() {
    return [this](const std::string& p) {
      asked.push_back(p);
      return files.count(p) > 0;
    };
  }
};

FavouriteLaunch Decide(FakeDisk& disk, const std::string& file, const std::string& execute, bool ctrl) {
  return DecideFavouriteLaunch(file, execute, ctrl, kWindows, disk.IsFolder(), disk.FileExists());
}

void ExpectRequest(const FavouriteLaunch& launch, const std::string& file, const std::string& parameters,
                   const std::string& directory) {
  ASSERT_EQ(launch.action, FavouriteAction::Execute);
  EXPECT_TRUE(launch.request.ownerIsController);
  EXPECT_EQ(launch.request.verb, "open");
  EXPECT_EQ(launch.request.file, file);
  EXPECT_EQ(launch.request.parameters, parameters);
  EXPECT_EQ(launch.request.directory, directory);
  EXPECT_EQ(launch.request.showCommand, kShowRestore);
}

}  // namespace

TEST(FolderPartTest, KeepsTheSeparatorOnlyAfterADriveOrAnotherSeparator) {
  EXPECT_EQ(FolderPart("D:\\a.txt"), "D:\\");
  EXPECT_EQ(FolderPart("D:\\x\\a.txt"), "D:\\x");
  EXPECT_EQ(FolderPart("\\\\srv\\s\\a.txt"), "\\\\srv\\s");
  EXPECT_EQ(FolderPart("D:a.txt"), "D:");
  EXPECT_EQ(FolderPart("\\a.txt"), "\\");
  EXPECT_EQ(FolderPart("\\\\srv"), "\\\\");
  EXPECT_EQ(FolderPart("a.txt"), "");
  EXPECT_EQ(FolderPart(""), "");
  EXPECT_EQ(FolderPart("http://example.invalid/"), "http:");
}

TEST(FolderPartTest, TrailBytes0x5CAreNeitherTheSeparatorNorTheCharacterBeforeIt) {
  // 表 and ソ end in the byte 0x5C.
  EXPECT_EQ(FolderPart("D:\\表\\a.txt"), "D:\\表");
  EXPECT_EQ(FolderPart("D:\\表"), "D:\\");
  EXPECT_EQ(FolderPart("D:\\x\\ソフト表"), "D:\\x");
  EXPECT_EQ(FolderPart("表\\a"), "表");
}

TEST(QuoteParameterTest, QuotesOnlyPathsWithBlanks) {
  EXPECT_EQ(QuoteParameter("D:\\docs\\a.txt"), "D:\\docs\\a.txt");
  EXPECT_EQ(QuoteParameter("D:\\My Docs\\a b.txt"), "\"D:\\My Docs\\a b.txt\"");
  EXPECT_EQ(QuoteParameter("\"D:\\My Docs\\a.txt\""), "\"D:\\My Docs\\a.txt\"");
  EXPECT_EQ(QuoteParameter(""), "");
  EXPECT_EQ(QuoteParameter("D:\\表　x"), "D:\\表　x");  // an ideographic blank is not a separator
}

TEST(QuoteParameterTest, TrailingBackslashesSurviveTheClosingQuote) {
  // The C runtime reads \" as a literal quote; doubled, \\" is one backslash
  // and the closing quote.
  EXPECT_EQ(QuoteParameter("C:\\My Docs\\"), "\"C:\\My Docs\\\\\"");
  EXPECT_EQ(QuoteParameter("\\\\srv\\my share\\\\"), "\"\\\\srv\\my share\\\\\\\\\"");
  // A 0x5C trail byte at the end is part of its character, not a backslash.
  EXPECT_EQ(QuoteParameter("C:\\My 表"), "\"C:\\My 表\"");
}

TEST(FavouriteLaunchTest, ShortcutsOpenThroughTheirStoredValues) {
  FakeDisk disk;
  disk.files = {"C:\\Editor\\ed.exe"};
  for (const char* name : {"D:\\x\\Tool.lnk", "D:\\x\\Tool.LNK", "D:\\x\\Tool.LnK"}) {
    for (bool ctrl : {false, true}) {
      const auto launch = Decide(disk, name, "C:\\Editor\\ed.exe", ctrl);
      EXPECT_EQ(launch.action, FavouriteAction::OpenShortcut) << name;
      EXPECT_EQ(launch.shortcutPath, name);
    }
  }
  // A folder named like a shortcut is a folder.
  disk.folders = {"D:\\Links.lnk"};
  ExpectRequest(Decide(disk, "D:\\Links.lnk", "", false), "D:\\Links.lnk", "", "D:\\");
  // Names that do not end in ".lnk" cost no look at the folder.
  disk.asked.clear();
  Decide(disk, "D:\\x\\a.txt", "", false);
  EXPECT_TRUE(disk.asked.empty());
}

TEST(FavouriteLaunchTest, AnExistingProgramWinsOverStarAndCtrl) {
  FakeDisk disk;
  disk.files = {"C:\\Editor\\ed.exe"};
  ExpectRequest(Decide(disk, "D:\\docs\\a.txt", "C:\\Editor\\ed.exe", false), "C:\\Editor\\ed.exe",
                "D:\\docs\\a.txt", "D:\\docs\\a.txt");
  ExpectRequest(Decide(disk, "D:\\docs\\a.txt", "C:\\Editor\\ed.exe", true), "C:\\Editor\\ed.exe",
                "D:\\docs\\a.txt", "D:\\docs\\a.txt");
  ExpectRequest(Decide(disk, "*D:\\docs", "C:\\Editor\\ed.exe", false), "C:\\Editor\\ed.exe", "D:\\docs",
                "D:\\docs");
  // A program that is not there is ignored.
  ExpectRequest(Decide(disk, "D:\\docs\\a.txt", "C:\\Gone\\ed.exe", false), "D:\\docs\\a.txt", "", "D:\\docs");
}

TEST(FavouriteLaunchTest, StarOrCtrlOpensExplorersTwoPaneView) {
  FakeDisk disk;
  disk.folders = {"D:\\Work"};
  ExpectRequest(Decide(disk, "*D:\\Work", "", false), "C:\\WINDOWS\\Explorer.exe", "/E,D:\\Work", "D:\\Work");
  ExpectRequest(Decide(disk, "D:\\Work", "", true), "C:\\WINDOWS\\Explorer.exe", "/E,D:\\Work", "D:\\Work");
  ExpectRequest(Decide(disk, "D:\\Work", "", false), "D:\\Work", "", "D:\\");
}

TEST(FavouriteLaunchTest, PathsWithBlanksReachTheProgramAsOneArgument) {
  FakeDisk disk;
  disk.files = {"C:\\Program Files\\Ed\\ed.exe"};
  ExpectRequest(Decide(disk, "D:\\My Docs\\a b.txt", "C:\\Program Files\\Ed\\ed.exe", false),
                "C:\\Program Files\\Ed\\ed.exe", "\"D:\\My Docs\\a b.txt\"", "D:\\My Docs\\a b.txt");
  ExpectRequest(Decide(disk, "*D:\\My Work", "", false), "C:\\WINDOWS\\Explorer.exe", "/E,\"D:\\My Work\"",
                "D:\\My Work");
  // Opened as itself, the path is the file and needs no quotes.
  ExpectRequest(Decide(disk, "D:\\My Docs\\a b.txt", "", false), "D:\\My Docs\\a b.txt", "", "D:\\My Docs");
}

TEST(FavouriteLaunchTest, WebAddressesAndEmptyNamesGoToTheShellAsTheyAre) {
  FakeDisk disk;
  ExpectRequest(Decide(disk, "http://example.invalid/a", "", false), "http://example.invalid/a", "",
                "http:");
  ExpectRequest(Decide(disk, "*", "", false), "C:\\WINDOWS\\Explorer.exe", "/E,", "");
  ExpectRequest(Decide(disk, "", "", false), "", "", "");
}

// Through the shell, with the shortcut's arguments, folder and window state;
// a target the ANSI code page cannot spell: the shell quietly first, the
// target only when the shell could not find it (Wine) and never after any
// other failure (the user said no), at once when the shell reads a
// look-alike; the target runs as administrator when the shortcut asks.
TEST(OpenShortcutTest, TheShellFirstTheTargetOnlyWhenTheShellCannotFindIt) {
  using platform::ShellOutcome;
  struct Shell : platform::IShell {
    std::optional<platform::ShortcutLaunchParts> parts;
    ShellOutcome outcome = ShellOutcome::Opened;
    std::vector<std::string> calls;
    void Record(const std::string& how, const ShellExecuteRequest& r) {
      calls.push_back(how + r.verb + ":" + r.file + "|" + r.parameters + "|" + r.directory + "|" +
                      std::to_string(r.showCommand));
    }
    void Execute(const ShellExecuteRequest& r) override { Record("shell:", r); }
    ShellOutcome ExecuteQuietly(const ShellExecuteRequest& r) override { return Record("quiet:", r), outcome; }
    std::optional<platform::ShortcutLaunchParts> ReadShortcut(const std::string&) override { return parts; }
    bool RecycleFiles(const std::string&) override { return false; }
  };
  std::string foreign = "C:\\d\\S";
  cp932::AppendEscape(foreign, u'\u00FC');
  const std::string viaLink = ":C:\\R\\A.lnk|/x|C:\\d|3", viaTarget = ":" + foreign + "|/x|C:\\d|3";
  const struct {
    bool outsideAnsi, anotherFile, runAs;
    ShellOutcome outcome;
    std::vector<std::string> calls;
  } rows[] = {
      {false, false, false, ShellOutcome::NotFound, {"shell:" + viaLink}},
      {true, false, false, ShellOutcome::Opened, {"quiet:" + viaLink}},
      {true, false, false, ShellOutcome::NotFound, {"quiet:" + viaLink, "shell:" + viaTarget}},
      {true, false, true, ShellOutcome::NotFound, {"quiet:" + viaLink, "shell:runas" + viaTarget}},
      {true, false, false, ShellOutcome::Refused, {"quiet:" + viaLink}},
      {true, true, false, ShellOutcome::Opened, {"shell:" + viaTarget}},
      {true, true, true, ShellOutcome::Opened, {"shell:runas" + viaTarget}},
  };
  for (const auto& row : rows) {
    Shell shell;
    shell.parts = platform::ShortcutLaunchParts{foreign, "/x", "C:\\d", 3, row.outsideAnsi, row.anotherFile, row.runAs};
    shell.outcome = row.outcome;
    EXPECT_TRUE(OpenShortcut(shell, "C:\\R\\A.lnk"));
    EXPECT_EQ(shell.calls, row.calls) << row.outsideAnsi << row.anotherFile << static_cast<int>(row.outcome);
  }
}

// Only "nothing found to open" lets the target be opened after the quiet
// try; the user's "no" (ERROR_CANCELLED), a failed DDE conversation, a
// refused access or elevation end it.
TEST(OpenShortcutTest, OnlyAFailureToFindAnythingToOpenIsNotFound) {
  using platform::ShellOutcome;
  const struct {
    std::uint32_t error;
    std::intptr_t code;
    ShellOutcome outcome;
  } rows[] = {{2, 2, ShellOutcome::NotFound},     {3, 3, ShellOutcome::NotFound},   {193, 31, ShellOutcome::NotFound},
              {1155, 31, ShellOutcome::NotFound}, {0, 2, ShellOutcome::NotFound},   {0, 31, ShellOutcome::NotFound},
              {1223, 5, ShellOutcome::Refused},   {1156, 29, ShellOutcome::Refused}, {5, 5, ShellOutcome::Refused},
              {740, 5, ShellOutcome::Refused},    {0, 29, ShellOutcome::Refused},   {1223, 2, ShellOutcome::Refused}};
  for (const auto& row : rows) EXPECT_EQ(platform::ShellFailure(row.error, row.code), row.outcome) << row.error;
}
