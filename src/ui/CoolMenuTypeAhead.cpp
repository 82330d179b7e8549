// Type-to-find in the popup renderer's menus: the names the builders give
// the items, the locale's comparison, and the answer to WM_MENUCHAR that
// ui/TypeToFind decides.
#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/Win32Text.h"
#include "ui/CoolMenu.h"
#include "ui/TypeToFind.h"

namespace quenlark::ui {

namespace {

// Whether `name` begins with `typed` in the user's locale, ignoring case
// (also of accented letters), full-width and half-width forms, and hiragana
// against katakana: what a Japanese keyboard types in any of its modes finds
// the name however it is spelled.
bool LocaleStartsWith(std::string_view name, std::string_view typed) {
  const std::wstring wideName = platform::Wide(name), wideTyped = platform::Wide(typed);
  if (wideName.empty() || wideTyped.empty()) return false;
  constexpr DWORD kFlags = FIND_STARTSWITH | NORM_IGNORECASE | NORM_IGNOREWIDTH | NORM_IGNOREKANATYPE;
  return FindNLSStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, wideName.c_str(), static_cast<int>(wideName.size()),
                         wideTyped.c_str(), static_cast<int>(wideTyped.size()), nullptr, nullptr, nullptr, 0) == 0;
}

// Posted to the owner after an answer that selects an item: see
// CheckTypedSelection.
UINT TypedSelectionMessage() {
  static const UINT message = RegisterWindowMessageW(L"Quenlark.TypedSelection");
  return message;
}

std::optional<std::size_t> HighlightedItem(HMENU popup, int count) {
  for (int i = 0; i < count; ++i)
    if (GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return static_cast<std::size_t>(i);
  return std::nullopt;
}

}  // namespace

void TPopupCool::SetFindName(UINT itemId, std::string name) {
  if (!name.empty()) findNames_[itemId] = std::move(name);
}

void TPopupCool::ClearFindNames() {
  findNames_.clear();
  typing_ = Typing{};
}

LRESULT TPopupCool::FindByTyping(HWND owner, HMENU popup, wchar_t typed, unsigned tick) {
  const int count = GetMenuItemCount(popup);
  std::vector<std::string> names(static_cast<std::size_t>(count > 0 ? count : 0));
  bool findable = false;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID;
    if (!GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info)) continue;
    const auto found = findNames_.find(info.wID);
    if (found == findNames_.end()) continue;
    names[static_cast<std::size_t>(i)] = found->second;
    findable = true;
  }
  if (!findable) return MNC_IGNORE;

  const bool samePopup = typing_.popup == popup;
  const std::optional<std::size_t> current = HighlightedItem(popup, count);
  const TypeToFindStep step = TypeToFind(names, current, samePopup ? typing_.text : std::string(),
                                         samePopup ? tick - typing_.tick : kTypeAheadMilliseconds,
                                         platform::ProgramText(std::wstring_view(&typed, 1)), LocaleStartsWith);
  typing_ = Typing{popup, step.typed, tick, std::nullopt};
  // Nothing found: the current item is selected again, where MNC_IGNORE
  // would beep (with no current item, an index beyond the menu selects none).
  if (!step.position) return MAKELRESULT(current ? *current : 0xFFFF, MNC_SELECT);
  typing_.selecting = static_cast<UINT>(*step.position);
  PostMessageW(owner, TypedSelectionMessage(), *step.position, reinterpret_cast<LPARAM>(popup));
  return MAKELRESULT(*step.position, MNC_SELECT);
}

// Windows selects the item an MNC_SELECT answer names; Wine's menus take
// only MNC_EXECUTE and MNC_CLOSE (they beep at the rest and keep their
// selection). So once the menu has handled the key, the owner looks: when
// the item is not highlighted, it is selected with HiliteMenuItem, which
// Wine's menus follow for a popup as for a menu bar. Where the system took
// the answer this does nothing.
bool TPopupCool::CheckTypedSelection(HWND owner, UINT msg, WPARAM position, LPARAM lp) {
  const UINT message = TypedSelectionMessage();
  if (message == 0 || msg != message) return false;
  HMENU popup = reinterpret_cast<HMENU>(lp);
  TPopupCool* renderer = ByMenu(popup);
  if (!renderer || renderer->typing_.popup != popup || renderer->typing_.selecting != position) return true;
  renderer->typing_.selecting.reset();
  const UINT item = static_cast<UINT>(position);
  if (!(GetMenuState(popup, item, MF_BYPOSITION) & MF_HILITE))
    HiliteMenuItem(owner, popup, item, MF_BYPOSITION | MF_HILITE);
  return true;
}

}  // namespace quenlark::ui
