// The recent-files menu for any listed targets, dates and display settings:
// the captions (path modes, ".lnk" and extension removal, date parts), the
// items and their tags, the shortcut an item's tag names, and the renderer's
// accelerator search over the captions built.
//
// Properties: a shortened path equals the result of the shortening rule
// applied to the path cut into characters one by one (a trail byte 0x5C is
// never a separator); the path part is never more than three characters
// ("...") longer than the target, and a caption never longer than that plus
// " - " and the date part; the date part is the cut of the date the display
// code names; items come in table order or reversed for the newest-first
// order, tags name every line once, and a tag outside the listing names no
// shortcut.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "MenuChecks.h"
#include "base/Cp932.h"
#include "base/Texts.h"
#include "menus/RecentMenu.h"

using namespace quenlark;

namespace {

std::string Join(const std::vector<std::string>& chars, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t k = from; k < to && k < chars.size(); ++k) out += chars[k];
  return out;
}

// The shortening rule, step by step on whole characters.
std::string SlowShorten(const std::string& path, int mode) {
  if (mode < 2) return path;
  const std::vector<std::string> chars = fuzz::SlowChars(path);
  const std::size_t n = chars.size();
  // The first three characters, and the rest from the third one on.
  std::size_t prefix = std::min<std::size_t>(3, n);
  std::size_t rest = std::min<std::size_t>(2, n);
  // A network path: the two backslashes, the server and its backslash.
  if (n >= 2 && chars[0] == "\\" && chars[1] == "\\") {
    for (std::size_t j = 2; j < n; ++j) {
      if (chars[j] == "\\") {
        prefix = j + 1;
        rest = j;
        break;
      }
    }
  }
  long long count = 0;
  std::size_t keep = n;
  for (std::size_t c = n; c-- > rest;) {
    if (chars[c] != "\\") continue;
    if (++count == static_cast<long long>(mode) + 1) return Join(chars, 0, prefix) + "..." + Join(chars, keep, n);
    keep = c;
  }
  return path;
}

bool EndsWithLnk(const std::string& text) {
  return text.size() >= 4 && cp932::UpperAscii(text.substr(text.size() - 4)) == ".LNK";
}

void CheckCaption(const std::string& target, const std::string& date, int pathMode, bool extDisp, int dateTimeDisp,
                  bool dateTopDisp) {
  const std::string raw = pathMode <= 0   ? cp932::ExtractFileName(target)
                          : pathMode == 1 ? target
                                          : SlowShorten(target, pathMode);
  if (pathMode >= 2) {
    FUZZ_CHECK(ShortenPath(target, pathMode) == raw,
               fuzz::Shown(target) + " mode " + std::to_string(pathMode) + ": " +
                   fuzz::Shown(ShortenPath(target, pathMode)) + " slow " + fuzz::Shown(raw));
  }
  const std::string path = CaptionPath(target, pathMode);
  FUZZ_CHECK(path == (EndsWithLnk(raw) ? raw.substr(0, raw.size() - 4) : raw), fuzz::Shown(path));
  FUZZ_CHECK(path.size() <= target.size() + 3, fuzz::Shown(target) + " -> " + fuzz::Shown(path));

  const std::string caption = RecentCaption(target, date, pathMode, extDisp, dateTimeDisp, dateTopDisp);
  const std::string ext = cp932::ExtractFileExt(path);
  const std::string name = extDisp ? path : path.substr(0, path.size() - ext.size());
  if (dateTimeDisp < 1) {
    FUZZ_CHECK(caption == name, fuzz::Shown(caption));
    return;
  }
  std::string when = dateTimeDisp == 1   ? date.substr(0, 16)
                     : dateTimeDisp == 2 ? (date.size() > 5 ? date.substr(5, 11) : "")
                     : dateTimeDisp == 3 ? (date.size() > 5 ? date.substr(5, 5) : "")
                                         : date;
  FUZZ_CHECK(caption == (dateTopDisp ? when + " - " + name : name + " - " + when), fuzz::Shown(caption));
  FUZZ_CHECK(caption.size() <= target.size() + 3 + 3 + date.size(), fuzz::Shown(caption));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  // Path modes and date codes around their ranges, and now and then anything.
  const std::uint8_t wide = in.Byte();
  const int pathMode = wide & 1 ? in.Int32() : in.SmallInt();
  const int dateTimeDisp = wide & 2 ? in.Int32() : in.SmallInt();
  TSettings settings;
  settings.SortSelect = in.Byte() % 6;
  settings.ExtDisp = in.Flag();
  settings.DateTimeDisp = dateTimeDisp;
  settings.DateTopDisp = in.Flag();
  settings.IconDisp = in.Flag();
  const unsigned hiddenMask = static_cast<unsigned>(in.Int32());
  const unsigned typed = static_cast<unsigned>(in.Int32()) & 0x1FFFF;
  const bool hotKey = in.Flag(), ctrl = in.Flag();
  // Texts: target and date of each line.
  const std::vector<std::string> texts = in.Texts();

  std::vector<ListingLine> lines;
  for (std::size_t i = 0; i < texts.size(); i += 2) {
    const std::string& target = texts[i];
    const std::string date = i + 1 < texts.size() ? texts[i + 1] : "2026-12-01 10:20:30";
    CheckCaption(target, date, pathMode, settings.ExtDisp, dateTimeDisp, settings.DateTopDisp);
    lines.push_back(ListingLine{"KEY", "C:\\H\\" + std::to_string(i) + ".lnk", target, date});
  }

  const int mode = EffectivePathMode(pathMode, hotKey, ctrl);
  FUZZ_CHECK(mode == (!hotKey && ctrl ? 1 : std::max(pathMode, 0)), std::to_string(mode));

  const std::vector<MenuItem> items = BuildRecentItems(lines, settings, mode);
  std::vector<std::string> captions;
  if (lines.empty()) {
    FUZZ_CHECK(items.size() == 1 && !items[0].enabled && items[0].caption == std::string(Text(TextId::RecentMenuNone)) &&
                   items[0].icon.kind == IconRequest::Kind::None,
               "no-files item");
  } else {
    FUZZ_CHECK(items.size() == lines.size(), std::to_string(items.size()));
    const bool newestFirst = settings.SortSelect == kSortByDate;
    for (std::size_t r = 0; r < items.size(); ++r) {
      const MenuItem& item = items[r];
      const std::size_t i = newestFirst ? lines.size() - 1 - r : r;
      FUZZ_CHECK(item.tag == static_cast<int>(i) && item.enabled && item.command == MenuCommand::OpenRecentItem &&
                     item.children.empty(),
                 "item " + std::to_string(r));
      FUZZ_CHECK(item.caption == RecentCaption(lines[i].target, lines[i].date, mode, settings.ExtDisp,
                                               settings.DateTimeDisp, settings.DateTopDisp),
                 fuzz::Shown(item.caption));
      if (settings.IconDisp) {
        const std::string ext = cp932::ExtractFileExt(CaptionPath(lines[i].target, mode));
        FUZZ_CHECK(item.icon.kind == IconRequest::Kind::FolderOrFileType && item.icon.path == lines[i].target &&
                       item.icon.fallback == (ext.empty() ? "" : "*" + ext),
                   fuzz::Shown(item.icon.fallback));
      } else {
        FUZZ_CHECK(item.icon.kind == IconRequest::Kind::None, "icon without IconDisp");
      }
      captions.push_back(item.caption);
    }
  }
  for (int tag = -3; tag <= static_cast<int>(lines.size()) + 3; ++tag) {
    const bool inside = tag >= 0 && tag < static_cast<int>(lines.size());
    FUZZ_CHECK(RecentItemShortcut(lines, tag) == (inside ? lines[static_cast<std::size_t>(tag)].shortcut : ""),
               std::to_string(tag));
  }
  fuzz::CheckAccelerators(captions, hiddenMask, typed);
  return 0;
}
