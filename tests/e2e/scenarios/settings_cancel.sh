# Cancel in the settings dialog stores nothing and gives back the hot keys
# as they were: the old combination opens its menu again, the one typed into
# the dialog opens none. F1 in the dialog with no help file beside the
# program says so, naming the file it looked for, and changes nothing else.
reg_set System QuenlarkHotKey "$((0xC051))"  # Ctrl+Alt+Q
ql_start
wait_tray
xdotool key ctrl+alt+q
wait_menu >/dev/null
keys Escape
wait_no_menu

RecentMaxEdit=102
QuenlarkHotKey=146
CancelButton=156
HKM_SETHOTKEY=0x401

tray_click right
wait_menu >/dev/null
keys Down Return
wait_visible TSettingForm 1 5
sleep 0.5
# While the dialog is open the menus' hot keys are off.
xdotool key ctrl+alt+q
sleep 1
drv no-menu 0 || fail "a hot key opened a menu while the settings dialog was open"
echo "ok: no menu from the hot key while the dialog is open"
keys_to TSettingForm
keys F1
box=$(drv message-box TSettingForm "$(patience 5)") || fail "no message after F1 without a help file"
expect_eq "$box" "Quenlark
ﾍﾙﾌﾟﾌｧｲﾙが見つかりません。
$(winpath "$WORK/app")\Quenlark.chm" "the message after F1 without a help file"
drv answer-box TSettingForm 1
sleep 1
drv message-box TSettingForm 0 >/dev/null && fail "one F1 gave a second message"
expect_eq "$(drv visible-windows TSettingForm)" "1" "settings dialogs after F1"

drv control-text TSettingForm $RecentMaxEdit "77"
drv control-send TSettingForm $QuenlarkHotKey $HKM_SETHOTKEY 0x0657 0 >/dev/null  # W with Ctrl+Alt
drv control-post TSettingForm $CancelButton 0xF5 0 0  # BM_CLICK
wait_visible TSettingForm 0 5
expect_eq "$(reg_get System RecentMax)" "" "RecentMax after Cancel (never written)"
expect_eq "$(reg_get System QuenlarkHotKey)" "$((0xC051))" "QuenlarkHotKey after Cancel"

xdotool key ctrl+alt+w
sleep 1
drv no-menu 0 || fail "the combination typed before Cancel opened a menu"
echo "ok: the cancelled combination opens nothing"
xdotool key ctrl+alt+q
wait_menu >/dev/null
echo "ok: the old hot key opens the program's menu again"
keys Escape
wait_no_menu
kill -0 "$QL_PID" || fail "the program ended"
