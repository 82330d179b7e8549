# A dialog opened from the program's menu does not hold the menus: while the
# about box is up, a tray click opens the menu again, and choosing the about
# box once more only brings the open one forward. The Windows session ending
# while the box (and the tray click that opened it) is still on the stack
# ends the program cleanly, with its state written.
ql_start
wait_tray

tray_click right
wait_menu >/dev/null
keys Up Up Return
wait_visible TAboutForm 1 5
echo "ok: the about box is up"

tray_click right
wait_menu >/dev/null
echo "ok: a menu opens while the about box is up"
shot menu_over_about
keys Up Up Return
wait_no_menu
sleep 0.5
expect_eq "$(drv visible-windows TAboutForm)" "1" "about boxes after choosing it again"
# The application window goes away again: shown ahead while the pointer
# rests on the icon, it is hidden a few seconds after the pointer left.
xdotool mousemove 500 300
expect_soon 0 "application windows left shown" drv visible-windows QuenlarkApplication

reg_set System LastMode 0
drv end-session TQuenlarkForm
ql_wait_exit 10
rc=0
wait "$QL_PID" || rc=$?
expect_eq "$rc" "0" "exit code after the session ended under a dialog"
expect_eq "$(reg_get System LastMode)" "1" "LastMode written at the end of the session"
grep -qi 'unhandled\|exception' "$WORK/quenlark.log" && fail "the program failed: $(cat "$WORK/quenlark.log")"
echo "ok: no failure in the program's output"
