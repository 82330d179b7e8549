# A dialog opened from the program's menu does not hold the menus: while the
# about box is up, a tray click opens the menu again, and choosing the about
# box once more only brings the open one forward.
ql_start
wait_tray

visible_about() { drv visible-windows TAboutForm; }
wait_about() {  # wait_about COUNT SECONDS
  local deadline=$((SECONDS + $2))
  until [ "$(visible_about)" == "$1" ]; do
    [ $SECONDS -lt $deadline ] || fail "visible about boxes: $(visible_about), expected $1"
    sleep 0.2
  done
}

tray_click right
wait_menu >/dev/null
keys Up Up Return
wait_about 1 5
echo "ok: the about box is up"

tray_click right
wait_menu >/dev/null
echo "ok: a menu opens while the about box is up"
shot menu_over_about
keys Up Up Return
wait_no_menu
sleep 0.5
expect_eq "$(visible_about)" "1" "about boxes after choosing it again"
# The application window went away again: no 1 x 1 window is left on the tray.
expect_eq "$(drv visible-windows QuenlarkApplication)" "0" "application windows left shown"

drv post TAboutForm 0x0010 0 0 >/dev/null  # WM_CLOSE
wait_about 0 5
drv end-session TQuenlarkForm
ql_wait_exit 5
