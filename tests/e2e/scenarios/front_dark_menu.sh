# With the apps' theme dark the program's menu is dark with light, readable
# text; switching the theme to light and telling the windows so makes the
# next opening light, without a restart. A recent-files menu in the flat
# look with Ctrl held (full paths) is shot while the theme is dark.
THEME_KEY='Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
trap 'drv reg-set-dword "$THEME_KEY" AppsUseLightTheme 1 >/dev/null || true; scenario_teardown' EXIT

measure_menu() {  # measure_menu NAME -> "mean bright-share" of the menu's pixels
  local left top right bottom
  read -r left top right bottom <<<"$(wait_menu)"
  sleep 0.3
  shot "$1" >&2
  # Inside the window's frame, which the system draws.
  local area="$((right - left - 6))x$((bottom - top - 6))+$((left + 3))+$((top + 3))"
  local mean bright
  mean=$(convert "$SHOTS/$1.png[$area]" -colorspace Gray -format '%[fx:mean]' info:)
  bright=$(convert "$SHOTS/$1.png[$area]" -colorspace Gray -threshold 70% -format '%[fx:mean]' info:)
  echo "$mean $bright"
  keys Escape
  wait_no_menu
}

use_shell_folder
reg_set System OfficeStyle 1
use_document 'newest.qlt.lnk' "$DocsW\\newest.qlt" -100
drv reg-set-dword "$THEME_KEY" AppsUseLightTheme 0 >/dev/null || fail "cannot set AppsUseLightTheme"
ql_start
wait_listing "$HistoryW" "NEWEST.QLT.lnk" 4
wait_tray
tray_click left ctrl
wait_menu >/dev/null
menu_shot recent_menu_office_dark
keys Escape
wait_no_menu
tray_click right
read -r mean bright <<<"$(measure_menu program_menu_dark)"
echo "dark: mean $mean, bright share $bright"
awk -v m="$mean" 'BEGIN { exit !(m < 0.35) }' || fail "the dark menu's mean lightness is $mean"
# The text is light on the dark background: a share of the pixels is bright.
awk -v b="$bright" 'BEGIN { exit !(b > 0.01 && b < 0.5) }' || fail "the dark menu's bright share is $bright"

drv reg-set-dword "$THEME_KEY" AppsUseLightTheme 1 >/dev/null || fail "cannot set AppsUseLightTheme"
drv setting-change ImmersiveColorSet || fail "cannot broadcast the setting change"
tray_click right
read -r mean bright <<<"$(measure_menu program_menu_light)"
echo "light: mean $mean"
awk -v m="$mean" 'BEGIN { exit !(m > 0.6) }' || fail "after the switch the menu's mean lightness is $mean"
echo "ok: dark menu, then light at the next opening"
