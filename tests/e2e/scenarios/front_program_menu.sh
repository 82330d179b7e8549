# A right click opens the program's own menu; its exit command ends Quenlark.
ql_start
wait_tray
tray_click right
wait_menu >/dev/null
wait_no_hint
shot program_menu
keys Escape
wait_no_menu
kill -0 "$QL_PID" || fail "Escape ended the program"
tray_click right
wait_menu >/dev/null
keys Up Return
ql_wait_exit 10
