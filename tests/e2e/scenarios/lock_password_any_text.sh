# A password an earlier version stored (the bytes of "abc東京" in reverse
# order, which are double-byte characters again) unlocks the program started
# locked. Then a password beyond ASCII ("ü", which code page 932 cannot
# spell, and the double-byte "表"), typed into the password change dialog
# that the settings dialog opens, is stored with each character whole and,
# after a restart in lock mode, the same text unlocks (ASCII letters in
# either case).
use_shell_folder
use_document 'locked.qlt.lnk' "$DocsW\\locked.qlt" -60
reg_set System DbClickPassWord 1
reg_set System PassWord "$(printf '\x9e\x8b\x8c\x93cba' | iconv -f CP932 -t UTF-8)"
# Starts the program locked, double-clicks its icon and types TEXT into the
# password dialog; the left-click menu must open.
start_locked_and_unlock() {
  reg_set System StartMode 1
  ql_start
  wait_tray
  xdotool mousemove "$TRAY_X" "$TRAY_Y"
  sleep 0.3
  xdotool click --repeat 2 --delay 100 1
  wait_visible TPass 1 5
  expect_soon "TPass visible Edit" "the keys go to" drv foreground
  keys_to TPass
  xdotool type --delay 100 "$1"
  keys Return
  wait_menu >/dev/null
}

start_locked_and_unlock 'ABC東京'
echo "ok: unlocked by the password an earlier version stored"
keys Escape
wait_no_menu
drv end-session TQuenlarkForm
ql_wait_exit 5
reg_set System StartMode 0
reg_set System PassWord ''
ql_start
wait_tray
tray_click right
wait_menu >/dev/null
keys Down Return
wait_visible TSettingForm 1 5
drv control-post TSettingForm 154 0xF5 0 0  # BM_CLICK on PassChangeButton
wait_visible TPassChangeForm 1 5
expect_soon "TPassChangeForm visible Edit" "the keys go to" drv foreground
keys_to TPassChangeForm
expect_english_window TPassChangeForm
shot password_change
read -r l t r b < <(drv window-rect TPassChangeForm)
convert "$SHOTS/password_change.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$SHOTS/password_change_dialog.png"
xdotool type --delay 100 'Müller表'
keys Tab
xdotool type --delay 100 'Müller表'
drv control-post TPassChangeForm 104 0xF5 0 0  # its OkButton
wait_visible TPassChangeForm 0 5
drv control-post TSettingForm 155 0xF5 0 0  # the settings' OkButton
wait_visible TSettingForm 0 5
expect_soon '表rellüM' "PassWord as stored (its characters in reverse order)" reg_get System PassWord
drv end-session TQuenlarkForm
ql_wait_exit 5

start_locked_and_unlock 'mülLER表'
echo "ok: unlocked by the password set before the restart"
