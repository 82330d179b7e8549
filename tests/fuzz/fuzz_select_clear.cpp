// The selective clear dialog's model for any listing (targets and shortcut
// paths chosen by the fuzzer, also ones outside the folder), any check
// marks (also rows that do not exist) and any state of the folder now.
//
// Properties: one row per line with a name, in listing order or reversed,
// captioned as the recent-files menu captions the same target (file name or
// whole path, ".lnk" and extension rules), else the single "(なし)" row;
// rows map to lines only inside the listing; the counter and inversion
// agree with the marks; and the files to clear are exactly the checked
// lines' shortcuts that a slow filter accepts: directly in the listed
// folder, named *.lnk, with no "?" or "*" character, present once, each
// once.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "MenuChecks.h"
#include "dialogs/SelectClearModel.h"
#include "menus/RecentMenu.h"

using namespace quenlark;

namespace {

bool Bit(std::uint32_t mask, std::size_t i) { return (mask >> (i % 32)) & 1u; }

std::vector<std::string> SlowFilesToClear(const SelectClearModel& model, const std::vector<ListingLine>& lines,
                                          const std::vector<int>& checked,
                                          const std::vector<platform::FileEntry>& present) {
  std::vector<std::string> files;
  const std::string& folder = model.Folder();
  for (int row : checked) {
    if (row < 0 || row >= static_cast<int>(model.Rows().size()) || folder.empty()) continue;
    const int line = model.Rows()[static_cast<std::size_t>(row)].line;
    if (line < 0) continue;
    const std::string& shortcut = lines[static_cast<std::size_t>(line)].shortcut;
    if (shortcut.size() <= folder.size() + 1 || shortcut.substr(0, folder.size() + 1) != folder + "\\") continue;
    const std::string name = shortcut.substr(folder.size() + 1);
    bool plain = true;
    for (const std::string& ch : fuzz::SlowChars(name)) {
      if (ch == "\\" || ch == ":" || ch == "?" || ch == "*") plain = false;
    }
    std::string tail = name.size() >= 4 ? name.substr(name.size() - 4) : "";
    for (char& c : tail) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (!plain || tail != ".LNK") continue;
    int seen = 0;
    for (const platform::FileEntry& f : present) seen += f.name == name;
    if (seen != 1) continue;
    if (std::find(files.begin(), files.end(), shortcut) == files.end()) files.push_back(shortcut);
  }
  return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const bool newestFirst = in.Flag(), fullPath = in.Flag(), extDisp = in.Flag();
  // Per line: whether its shortcut lies in the folder, is present now (and
  // twice), and is checked.
  const std::uint32_t inFolder = ~static_cast<std::uint32_t>(in.Int32());
  const std::uint32_t present = ~static_cast<std::uint32_t>(in.Int32());
  const std::uint32_t twice = static_cast<std::uint32_t>(in.Int32()) & static_cast<std::uint32_t>(in.Int32());
  const std::uint32_t checkedMask = ~static_cast<std::uint32_t>(in.Int32());
  const std::vector<std::string> texts = in.Texts(1);
  const std::string folder = texts[0];

  // Lines: shortcut name and target.
  std::vector<ListingLine> lines;
  std::vector<platform::FileEntry> files;
  for (std::size_t t = 1, i = 0; t < texts.size() && lines.size() < kClearTableHighestIndex + 1; t += 2, ++i) {
    const std::string& name = texts[t];
    ListingLine line;
    line.shortcut = Bit(inFolder, i) ? folder + "\\" + name : name;
    line.target = t + 1 < texts.size() ? texts[t + 1] : "";
    lines.push_back(line);
    if (Bit(present, i)) files.push_back({name});
    if (Bit(twice, i)) files.push_back({name});
  }

  SelectClearModel model;
  model.Fill(lines, folder, newestFirst, fullPath, extDisp);
  const std::vector<ClearRow>& rows = model.Rows();

  std::vector<int> expectedLines;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::size_t i = newestFirst ? lines.size() - 1 - k : k;
    const std::string text = RecentCaption(lines[i].target, "", fullPath ? 1 : 0, extDisp, 0, false);
    FUZZ_CHECK(ClearRowText(lines[i].target, fullPath, extDisp) == text, fuzz::Shown(lines[i].target));
    if (!text.empty()) expectedLines.push_back(static_cast<int>(i));
  }
  FUZZ_CHECK(model.ListedCount() == static_cast<int>(expectedLines.size()), std::to_string(model.ListedCount()));
  if (expectedLines.empty()) {
    FUZZ_CHECK(rows.size() == 1 && rows[0].line == -1 && rows[0].text == "(なし)" && !model.LineOf(0), "none row");
  } else {
    FUZZ_CHECK(rows.size() == expectedLines.size(), std::to_string(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
      FUZZ_CHECK(rows[r].line == expectedLines[r] && model.LineOf(static_cast<int>(r)) == &model.LineOf(static_cast<int>(r))[0],
                 "row " + std::to_string(r));
      const ListingLine* line = model.LineOf(static_cast<int>(r));
      FUZZ_CHECK(line && line->shortcut == lines[static_cast<std::size_t>(expectedLines[r])].shortcut &&
                     rows[r].text == ClearRowText(line->target, fullPath, extDisp),
                 "row " + std::to_string(r));
    }
  }
  for (int r : {-2, -1, static_cast<int>(rows.size()), static_cast<int>(rows.size()) + 5}) {
    FUZZ_CHECK(model.LineOf(r) == nullptr, std::to_string(r));
  }
  FUZZ_CHECK(model.RowTexts().size() == rows.size(), "row texts");

  const std::vector<int> initial = model.InitialChecks();
  FUZZ_CHECK(static_cast<int>(initial.size()) == model.ListedCount(), "initial checks");
  std::vector<int> checked;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    if (Bit(checkedMask, static_cast<std::size_t>(r))) checked.push_back(r);
  }
  const std::vector<int> inverted = model.Inverted(checked);
  FUZZ_CHECK(inverted.size() + checked.size() == rows.size() && model.Inverted(inverted) == checked, "inversion");
  for (int r : inverted) FUZZ_CHECK(!std::binary_search(checked.begin(), checked.end(), r), std::to_string(r));
  FUZZ_CHECK(model.Counter("G", checked) ==
                 "G(" + std::to_string(checked.size()) + "/" + std::to_string(model.ListedCount()) + ")",
             model.Counter("G", checked));

  // Marks also on rows that do not exist, and a row twice.
  std::vector<int> marks = checked;
  marks.push_back(-1);
  marks.push_back(static_cast<int>(rows.size()));
  if (!checked.empty()) marks.push_back(checked.front());
  const std::vector<std::string> toClear = model.FilesToClear(marks, files);
  const std::vector<std::string> slow = SlowFilesToClear(model, lines, marks, files);
  FUZZ_CHECK(toClear == slow, std::to_string(toClear.size()) + " files, slow " + std::to_string(slow.size()));
  FUZZ_CHECK(std::set<std::string>(toClear.begin(), toClear.end()).size() == toClear.size(), "a file twice");
  return 0;
}
