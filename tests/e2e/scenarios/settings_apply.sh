# The settings dialog from the program's menu: a range error is shown with
# its text and keeps the dialog and the entry; a second settings command only
# brings the dialog forward; full-width digits are taken; OK stores the
# values, and the program acts on them at once: the new scan interval
# captures a document within seconds, the new hot key opens its menu, the
# new order sorts the next recent-files menu.
use_shell_folder
register_recorder
reg_set System ScanTime 60  # without the dialog nothing more is captured for a minute
use_document 'a_old.qlt.lnk' "$DocsW\a_old.qlt" -300
use_document 'b_new.qlt.lnk' "$DocsW\b_new.qlt" -100
ql_start
wait_tray
wait_listing "$HistoryW" "$(printf 'A_OLD.QLT.lnk\nB_NEW.QLT.lnk')" 4
# By name (the default order) the older document comes first.
tray_click left
wait_menu >/dev/null
keys Down Return
wait_recorded 'a_old.qlt' 10

RecentMaxEdit=102
ScanTimeEdit=105
QuenlarkHotKey=146
OkButton=155
SortByDateRadio=128  # "最近使った日付順（上から）": newest first
HKM_SETHOTKEY=0x401

open_settings() {
  tray_click right
  wait_menu >/dev/null
  keys Down Return
}
open_settings
drv wait-window TSettingForm "$(patience 5)" >/dev/null
wait_visible TSettingForm 1 5
sleep 0.5
wait_no_hint
shot settings_open
read -r l t r b < <(drv window-rect TSettingForm)
convert "$SHOTS/settings_open.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$SHOTS/settings_dialog.png"
expect_eq "$(drv control-text TSettingForm $RecentMaxEdit)" "30" "RecentMaxEdit as opened"
expect_english_window TSettingForm

# Out of range: the message with its exact text; the dialog stays, the entry kept.
drv control-text TSettingForm $RecentMaxEdit "101"
drv control-post TSettingForm $OkButton 0xF5 0 0  # BM_CLICK
box=$(drv message-box TSettingForm "$(patience 5)") || fail "no message box"
expect_eq "$box" "$(in_face "設定エラー
[最近使ったﾌｧｲﾙ数]の入力範囲は10～100です。" "Settings Error
[Files to keep] must be between 10 and 100.")" "the range message"
drv answer-box TSettingForm 1
sleep 0.5
expect_eq "$(drv visible-windows TSettingForm)" "1" "settings dialogs shown after the message"
expect_eq "$(drv control-text TSettingForm $RecentMaxEdit)" "101" "RecentMaxEdit after the message"

# A second settings command brings the open dialog forward without refilling it.
open_settings
wait_no_menu
sleep 0.5
expect_eq "$(drv visible-windows TSettingForm)" "1" "settings dialogs after a second command"
expect_eq "$(drv control-text TSettingForm $RecentMaxEdit)" "101" "RecentMaxEdit after a second command"

# Full-width digits typed into the field, a faster scan, Ctrl+Alt+Q for the
# program's menu, the date order; then OK.
read -r l t r b < <(drv control-rect TSettingForm $RecentMaxEdit)
xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
sleep 0.3
keys End shift+Home BackSpace
xdotool type --delay 80 '５０'
sleep 0.3
expect_soon "５０" "RecentMaxEdit as typed" drv control-text TSettingForm $RecentMaxEdit
drv control-text TSettingForm $ScanTimeEdit "1"
drv control-post TSettingForm $SortByDateRadio 0xF5 0 0  # BM_CLICK
drv control-send TSettingForm $QuenlarkHotKey $HKM_SETHOTKEY 0x0651 0 >/dev/null  # Q with Ctrl+Alt
drv control-post TSettingForm $OkButton 0xF5 0 0
wait_visible TSettingForm 0 5
expect_eq "$(reg_get System RecentMax)" "50" "RecentMax stored"
expect_eq "$(reg_get System ScanTime)" "1" "ScanTime stored"
expect_eq "$(reg_get System QuenlarkHotKey)" "$((0xC051))" "QuenlarkHotKey stored"

use_document "quick.qlt.lnk" "$DocsW\\quick.qlt" 0
wait_file "$HistoryW\\QUICK.QLT.lnk" 6
echo "ok: captured at the new scan interval"

xdotool key ctrl+alt+q
wait_menu >/dev/null
echo "ok: the new hot key opens the program's menu"
keys Escape
wait_no_menu

# The date order, newest first, applies to the very next menu: the document
# just captured comes first (by name it would be the last).
tray_click left
wait_menu >/dev/null
keys Down Return
wait_recorded 'quick.qlt' 10
echo "ok: the new order sorts the next menu"
