# A password beyond ASCII ("ü", which code page 932 cannot spell, and the
# double-byte "表"), set in the password change dialog that the settings
# dialog opens, is stored with each character whole and, after a restart in
# lock mode (chosen in the same dialog), the same text unlocks (ASCII letters
# in either case).
use_shell_folder
use_document 'locked.qlt.lnk' "$DocsW\\locked.qlt" -60
reg_set System DbClickPassWord 1
StartLockedRadio=132
PassChangeButton=154
SettingOkButton=155
PassChangeOkButton=104
BM_CLICK=0xF5

ql_start
wait_tray
tray_click right
wait_menu >/dev/null
keys Down Return
wait_visible TSettingForm 1 5
drv control-post TSettingForm $PassChangeButton $BM_CLICK 0 0
wait_visible TPassChangeForm 1 5
expect_soon "TPassChangeForm visible Edit" "the keyboard in the password change dialog" drv foreground
xdotool type --delay 100 'Müller表'
keys Tab
xdotool type --delay 100 'Müller表'
drv control-post TPassChangeForm $PassChangeOkButton $BM_CLICK 0 0
wait_visible TPassChangeForm 0 5
drv control-post TSettingForm $StartLockedRadio $BM_CLICK 0 0
drv control-post TSettingForm $SettingOkButton $BM_CLICK 0 0
wait_visible TSettingForm 0 5
expect_eq "$(reg_get System StartMode)" "1" "StartMode"
expect_soon '表rellüM' "PassWord as stored (its characters in reverse order)" reg_get System PassWord
drv end-session TQuenlarkForm
ql_wait_exit 5

ql_start
wait_tray
xdotool mousemove "$TRAY_X" "$TRAY_Y"
sleep 0.3
xdotool click --repeat 2 --delay 100 1
wait_visible TPass 1 5
expect_soon "TPass visible Edit" "the keyboard in the password dialog" drv foreground
xdotool type --delay 100 'mülLER表'
shot password_typed
keys Return
wait_menu >/dev/null
echo "ok: unlocked by the password set before the restart"
keys Escape
wait_no_menu
drv end-session TQuenlarkForm
ql_wait_exit 5
