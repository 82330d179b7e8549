# Lock mode with a real double click on the tray icon. First run: the left
# click opens no menu, a double click locks, the sleeping picture shows, and
# clicks open nothing; the mode is kept at exit. Second run (StartMode 2,
# the left click opening the recent files): it starts locked; a double click
# asks for the password, a wrong one gets the message, the right one in other
# letter case unlocks, and the left-click menu opens where the user
# double-clicked.
use_shell_folder
use_document 'locked.qlt.lnk' "$DocsW\\locked.qlt" -60
reg_set System DbClickPassWord 1
reg_set System PassWord 'terceS'  # stored reversed: "Secret"
reg_set System StartMode 2
# Only right clicks open menus in the first run, so the first click of the
# double click opens nothing that could take the second.
reg_set System RecentClick 3
reg_set System UseFileClick 4
reg_set System QuenlarkClick 5

tray_picture() {  # the tray icon's pixels, as a screenshot crop
  import -window root -display "$DISPLAY" -crop 16x16+$((TRAY_X - 8))+$((TRAY_Y - 8)) "$WORK/$1.png"
}
same_picture() { [ "$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1)" == "0" ]; }
# The icon changes a moment after the click: take its picture until it shows.
shows_like() { tray_picture "$1" && same_picture "$1" "$2"; }
shows_unlike() { tray_picture "$1" && ! same_picture "$1" "$2"; }
double_click_tray() {
  xdotool mousemove "$TRAY_X" "$TRAY_Y"
  sleep 0.3
  xdotool click --repeat 2 --delay 100 1
}

ql_start
wait_tray
tray_picture active
double_click_tray
sleep 1
drv no-menu 1 >/dev/null || fail "the double click opened a menu"
eventually shows_unlike locked active || fail "the tray icon did not change to the sleeping picture"
echo "ok: locked by the double click, the sleeping picture shows"
shot locked_tray
tray_click right
drv no-menu 2 >/dev/null || fail "a right click opened a menu while locked"
echo "ok: clicks open nothing while locked"
drv end-session TQuenlarkForm
ql_wait_exit 5
expect_eq "$(reg_get System LastMode)" "0" "LastMode after an exit in lock mode"

reg_set System RecentClick 0
reg_set System UseFileClick 1
reg_set System QuenlarkClick 3
ql_start
wait_tray
sleep 0.5
eventually shows_like locked_at_start locked || fail "StartMode 2 did not start locked"
echo "ok: started locked"
tray_click left
drv no-menu 2 >/dev/null || fail "a left click opened a menu while locked"

double_click_tray
wait_visible TPass 1 5
sleep 0.5
shot password_dialog
expect_english_window TPass
keys_to TPass
xdotool type --delay 60 'wrong'
keys Return
wait_visible '#32770' 1 5
expect_eq "$(drv message-box TQuenlarkForm "$(patience 5)")" \
  "$(in_face "ﾊﾟｽﾜｰﾄﾞｴﾗｰ
ﾊﾟｽﾜｰﾄﾞが違います。" "Password Error
The password is incorrect.
To try again, click OK. After three wrong passwords Quenlark stays locked.")" "the wrong password's message"
shot wrong_password
keys Return  # OK: try again
wait_visible TPass 1 5
sleep 0.5
keys_to TPass
xdotool type --delay 60 'sECRET'
keys Return
rect=$(wait_menu)
read -r left top _ _ <<<"$rect"
echo "ok: unlocked; the menu opened at $left,$top"
[ "$left" -ge $((TRAY_X - 400)) ] && [ "$top" -ge $((TRAY_Y - 400)) ] ||
  fail "the menu is at $left,$top, not where the double click was"
tray_picture unlocked
same_picture active unlocked || fail "the active picture did not come back"
keys Escape
wait_no_menu
drv end-session TQuenlarkForm
ql_wait_exit 5
expect_eq "$(reg_get System LastMode)" "1" "LastMode after an exit in allowed mode"
