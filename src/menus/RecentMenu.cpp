#include "menus/RecentMenu.h"

#include <algorithm>
#include <cstddef>

#include "base/Texts.h"
#include "base/Cp932.h"
#include "base/Util.h"
#include "ui/TypeToFind.h"

namespace quenlark {

namespace {

// Byte offsets at which the CP932 characters of `text` start.
std::vector<std::size_t> CharStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); i += cp932::CharLength(text, i)) starts.push_back(i);
  return starts;
}

bool IsSingleByteChar(const std::string& text, std::size_t at, char ch) {
  return cp932::CharLength(text, at) == 1 && text[at] == ch;
}

bool EndsWithLnk(const std::string& text) { return cp932::UpperAscii(util::RightChars(text, 4)) == ".LNK"; }

}  // namespace

std::string ShortenPath(const std::string& path, int mode) {
  if (mode < 2) return path;
  const std::vector<std::size_t> starts = CharStarts(path);

  // The first three characters stay in front of "..."; the rest overlaps the
  // prefix by one character, so that on a drive path it begins with "\".
  std::size_t prefixEnd = starts.size() > 3 ? starts[3] : path.size();
  std::size_t restBegin = starts.size() > 2 ? starts[2] : path.size();

  // A network path keeps "\\server\" in front; the share name may be left out.
  if (starts.size() >= 2 && IsSingleByteChar(path, 0, '\\') && IsSingleByteChar(path, 1, '\\')) {
    for (std::size_t c = 2; c < starts.size(); ++c) {
      if (IsSingleByteChar(path, starts[c], '\\')) {
        prefixEnd = starts[c] + 1;
        restBegin = starts[c];
        break;
      }
    }
  }

  // From the end of the rest: the (mode + 1)-th "\" proves that at least one
  // level is left out; the text from the mode-th one on is kept.
  const auto wanted = static_cast<long long>(mode) + 1;
  long long count = 0;
  std::size_t keepFrom = std::string::npos;
  for (auto it = starts.rbegin(); it != starts.rend() && *it >= restBegin; ++it) {
    if (!IsSingleByteChar(path, *it, '\\')) continue;
    ++count;
    if (count == wanted) return path.substr(0, prefixEnd) + "..." + path.substr(keepFrom);
    keepFrom = *it;
  }
  return path;
}

std::string CaptionPath(const std::string& target, int pathMode) {
  std::string shown;
  if (pathMode <= 0) {
    shown = cp932::ExtractFileName(target);
  } else if (pathMode == 1) {
    shown = target;
  } else {
    shown = ShortenPath(target, pathMode);
  }
  if (EndsWithLnk(shown)) shown.resize(shown.size() - 4);
  return shown;
}

std::string RecentCaption(const std::string& target, const std::string& date, int pathMode, bool extDisp,
                          int dateTimeDisp, bool dateTopDisp) {
  std::string name = CaptionPath(target, pathMode);
  if (!extDisp) {
    const std::size_t d = cp932::LastDelimiter(".\\:", name);
    if (d != std::string::npos && name[d] == '.') name.resize(d);
  }
  if (dateTimeDisp < 1) return name;

  // Field 4 is "YYYY-MM-DD hh:mm:ss"; the parts are cut from it as they stand.
  std::string when;
  switch (dateTimeDisp) {
    case 1:
      when = util::LeftChars(date, 16);
      break;
    case 2:
      when = date.size() > 5 ? date.substr(5, 11) : std::string();
      break;
    case 3:
      when = date.size() > 5 ? date.substr(5, 5) : std::string();
      break;
    default:
      when = date;
      break;
  }
  return dateTopDisp ? when + " - " + name : name + " - " + when;
}

int EffectivePathMode(int pathDispNumber, bool openedByHotKey, bool ctrlDown) {
  if (!openedByHotKey && ctrlDown) return 1;
  return std::max(pathDispNumber, 0);
}

std::vector<MenuItem> BuildRecentItems(const std::vector<ListingLine>& lines, const TSettings& settings,
                                       int pathMode) {
  std::vector<MenuItem> items;
  if (lines.empty()) {
    MenuItem none;
    none.caption = Text(TextId::RecentMenuNone);
    none.enabled = false;
    items.push_back(std::move(none));
    return items;
  }

  const std::size_t n = lines.size();
  const bool newestFirst = settings.SortSelect == kSortByDate;
  items.reserve(n);
  for (std::size_t r = 0; r < n; ++r) {
    const std::size_t i = newestFirst ? n - 1 - r : r;
    const ListingLine& line = lines[i];
    MenuItem item;
    item.caption = RecentCaption(line.Field(3), line.Field(4), pathMode, settings.ExtDisp, settings.DateTimeDisp,
                                 settings.DateTopDisp);
    item.findName = ui::ShownText(RecentCaption(line.Field(3), std::string(), 0, settings.ExtDisp, 0, false));
    item.tag = static_cast<int>(i);
    item.command = MenuCommand::OpenRecentItem;
    if (settings.IconDisp) {
      // Only a folder is looked at on disk; a document's icon comes from the
      // extension of what the caption shows, so an absent drive never stalls.
      item.icon.kind = IconRequest::Kind::FolderOrFileType;
      item.icon.path = line.Field(3);
      const std::string ext = cp932::ExtractFileExt(CaptionPath(line.Field(3), pathMode));
      item.icon.fallback = ext.empty() ? std::string() : "*" + ext;
    }
    items.push_back(std::move(item));
  }
  return items;
}

std::string RecentItemShortcut(const std::vector<ListingLine>& lines, int tag) {
  if (tag < 0 || static_cast<std::size_t>(tag) >= lines.size()) return {};
  return lines[static_cast<std::size_t>(tag)].Field(2);
}

}  // namespace quenlark
