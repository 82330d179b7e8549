// The listing records on any texts: FieldOf, the record's fields and joined
// form, sort keys, date texts, the portable collation, and ListFolder over a
// folder whose file names, shortcut targets and dates the fuzzer chooses.
//
// Properties: FieldOf equals a naive split at every comma; a record without
// commas reads back field by field from its joined form; sort keys are
// upper-cased and come from the target (or are the date); a date text is
// always "dddd-dd-dd dd:dd:dd"; the collation is antisymmetric and
// transitive; a listing never holds more lines than its table, lists only
// *.lnk files directly in the folder, is sorted, keeps the newest files when
// there are too many, deletes only readable non-shortcuts and only where
// allowed, and gives the same lines again through the order cache.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "FakeSystem.h"
#include "FuzzInput.h"
#include "base/Cp932.h"
#include "base/Util.h"
#include "recent/Collation.h"
#include "recent/Listing.h"

using namespace quenlark;

namespace {

std::vector<std::string> NaiveSplit(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

void CheckFieldOf(const std::string& line) {
  const std::vector<std::string> fields = NaiveSplit(line);
  for (int n = -2; n <= static_cast<int>(fields.size()) + 2; ++n) {
    const std::size_t k = n <= 1 ? 0 : static_cast<std::size_t>(n - 1);
    const std::string expected = k < fields.size() ? fields[k] : std::string();
    FUZZ_CHECK(util::FieldOf(line, n) == expected, std::to_string(n) + " of " + fuzz::Shown(line));
  }
}

std::string NoCommas(std::string text) {
  std::replace(text.begin(), text.end(), ',', ';');
  return text;
}

void CheckRecord(const std::vector<std::string>& t) {
  ListingLine line{NoCommas(t[0]), NoCommas(t[1]), NoCommas(t[2]), NoCommas(t[3])};
  const std::string joined = line.Joined();
  for (int n = -1; n <= 6; ++n) {
    FUZZ_CHECK(util::FieldOf(joined, n) == line.Field(n), std::to_string(n) + " of " + fuzz::Shown(joined));
  }
}

void CheckSortKey(int code, const std::string& target, const std::string& date) {
  const std::string key = SortKey(code, target, date);
  switch (code) {
    case kSortByName:
      FUZZ_CHECK(key == cp932::Upper(cp932::ExtractFileName(target)), fuzz::Shown(target));
      break;
    case kSortByPath:
      FUZZ_CHECK(key == cp932::Upper(target), fuzz::Shown(target));
      break;
    case kSortByExtension: {
      // The key is the extension and the name put together, then upper-cased.
      // Only when the target ends in a lone lead byte (no name the ANSI calls
      // give does) does that pair it with the name's first byte, so that the
      // key does not end in the name upper-cased on its own.
      const std::string name = cp932::Upper(cp932::ExtractFileName(target));
      std::size_t last = 0;
      for (std::size_t i = 0; i < target.size(); i += cp932::CharLength(target, i)) last = i;
      const bool loneLead = !target.empty() && last + 1 == target.size() &&
                            cp932::IsLeadByte(static_cast<unsigned char>(target[last]));
      FUZZ_CHECK(loneLead || (key.size() >= name.size() && key.compare(key.size() - name.size(), name.size(), name) == 0),
                 fuzz::Shown(target) + " -> " + fuzz::Shown(key));
      // Names without an extension sort after every name with one.
      if (cp932::ExtractFileExt(target).empty()) FUZZ_CHECK(key[0] == '\xFF', fuzz::Shown(key));
      break;
    }
    default:
      FUZZ_CHECK(key == date, fuzz::Shown(key));
      return;
  }
  FUZZ_CHECK(cp932::Upper(key) == key, fuzz::Shown(key));
}

void CheckDateText(const platform::FileDate& d) {
  const std::string text = DateText(d);
  FUZZ_CHECK(text.size() == 19, text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char sep = i == 4 || i == 7 ? '-' : i == 10 ? ' ' : i == 13 || i == 16 ? ':' : 0;
    FUZZ_CHECK(sep ? text[i] == sep : (text[i] >= '0' && text[i] <= '9'), text);
  }
}

int Sign(int v) { return (v > 0) - (v < 0); }

void CheckCollation(const std::string& a, const std::string& b, const std::string& c) {
  WordSortCollation collation;
  FUZZ_CHECK(collation.Compare(a, a) == 0, fuzz::Shown(a));
  const int ab = Sign(collation.Compare(a, b)), bc = Sign(collation.Compare(b, c)), ac = Sign(collation.Compare(a, c));
  FUZZ_CHECK(ab == -Sign(collation.Compare(b, a)), fuzz::Shown(a) + " / " + fuzz::Shown(b));
  if (ab <= 0 && bc <= 0) FUZZ_CHECK(ac <= 0, fuzz::Shown(a) + " / " + fuzz::Shown(b) + " / " + fuzz::Shown(c));
  if (ab == 0 && bc == 0) FUZZ_CHECK(ac == 0, fuzz::Shown(a) + " / " + fuzz::Shown(b) + " / " + fuzz::Shown(c));
}

bool IsLnk(const std::string& name) {
  return name.size() >= 4 && cp932::UpperAscii(name.substr(name.size() - 4)) == ".LNK";
}

void CheckListFolder(fuzz::Input& in, const std::vector<std::string>& texts) {
  const int highestIndex = static_cast<int>(in.Byte() % 12) - 1;
  ListingOptions options;
  options.resolve = in.Flag();
  options.sortCode = in.SmallInt() % 6;
  options.autoClear = in.Flag();
  const bool isHistory = in.Flag();

  const std::string folder = texts[4].empty() ? "C:\\H" : texts[4];
  options.historyFolder = isHistory ? folder : folder + "X";
  test::FakeFileSystem fs;
  // Files: name and content (a target path, "<not a shortcut>" or "<locked>").
  for (std::size_t i = 5; i + 1 < texts.size(); i += 2) {
    fs.Add(folder + "\\" + texts[i], texts[i + 1], static_cast<int>((texts[i].size() * 7 + i) % 40));
  }
  const test::FakeFileSystem before = fs;
  const std::vector<std::string> names = fs.In(folder);

  test::FakeShortcutReader reader{fs};
  ShortcutResolution resolution{reader};
  WordSortCollation collation;
  SortOrderCache cache;
  ListingServices services{fs, resolution, collation, &cache};
  ListingTable table{highestIndex};
  const int count = ListFolder(services, folder, table, options);

  FUZZ_CHECK(count == table.Count() && table.lines.size() <= table.Capacity(), std::to_string(count));
  std::set<std::string> listed;
  for (const ListingLine& line : table.lines) {
    const std::string name = line.shortcut.substr(std::min(line.shortcut.size(), folder.size() + 1));
    FUZZ_CHECK(line.shortcut == folder + "\\" + name && IsLnk(name), fuzz::Shown(line.shortcut));
    FUZZ_CHECK(std::find(names.begin(), names.end(), name) != names.end(), fuzz::Shown(line.shortcut));
    const std::string& content = before.files.at(line.shortcut).content;
    FUZZ_CHECK(line.target == (options.resolve ? content : line.shortcut), fuzz::Shown(line.target));
    FUZZ_CHECK(line.key == SortKey(options.sortCode, line.target, line.date), fuzz::Shown(line.key));
    FUZZ_CHECK(listed.insert(line.shortcut).second, "listed twice: " + fuzz::Shown(line.shortcut));
  }
  for (std::size_t i = 1; i < table.lines.size(); ++i) {
    FUZZ_CHECK(collation.Compare(table.lines[i - 1].Joined(), table.lines[i].Joined()) <= 0,
               fuzz::Shown(table.lines[i - 1].Joined()) + " before " + fuzz::Shown(table.lines[i].Joined()));
  }

  // What was left out for want of room is no newer than what was kept; what
  // was deleted was a readable non-shortcut in a folder where that is allowed.
  std::uint64_t oldestKept = UINT64_MAX;
  for (const ListingLine& line : table.lines) oldestKept = std::min(oldestKept, line.lastWrite);
  for (const std::string& name : names) {
    const std::string path = folder + "\\" + name;
    const test::FakeFile& file = before.files.at(path);
    const bool unreadable = file.content.empty() || file.content == "<not a shortcut>";
    const bool listable = IsLnk(name) && (!options.resolve || (!unreadable && file.content != "<locked>"));
    if (listable && !listed.count(path)) {
      FUZZ_CHECK(table.Full() && file.lastWrite <= oldestKept, "left out: " + fuzz::Shown(path));
    }
    const bool removable = options.resolve && IsLnk(name) && unreadable && (options.autoClear || isHistory);
    FUZZ_CHECK(fs.Has(path) != removable, (removable ? "kept: " : "deleted: ") + fuzz::Shown(path));
  }

  // Listed again (the order now from the cache), the lines are the same.
  ListingTable again{highestIndex};
  ListFolder(services, folder, again, options);
  FUZZ_CHECK(again.lines.size() == table.lines.size(), "second listing differs");
  for (std::size_t i = 0; i < again.lines.size(); ++i) {
    FUZZ_CHECK(again.lines[i].Joined() == table.lines[i].Joined(), fuzz::Shown(again.lines[i].Joined()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const int sortCode = in.SmallInt();
  platform::FileDate date{in.Int32(), in.Int32(), in.SmallInt(), in.SmallInt(), in.SmallInt(), in.SmallInt()};
  fuzz::Input listing(data, size);  // the listing's switches reuse the same leading bytes
  const std::vector<std::string> texts = in.Texts(5);

  for (const std::string& text : texts) CheckFieldOf(text);
  CheckRecord(texts);
  CheckSortKey(sortCode, texts[2], texts[3]);
  CheckDateText(date);
  CheckCollation(texts[0], texts[1], texts[2]);
  CheckListFolder(listing, texts);
  return 0;
}
