# Click kinds that leave the plain left click to no menu: the click opens
# nothing and leaves no window of the program shown; Shift + left still
# opens the recent files.
reg_set System RecentClick 1
reg_set System UseFileClick 2
reg_set System QuenlarkClick 3
ql_start
wait_tray
tray_click left
sleep 1
expect_eq "$(drv visible-windows '#32768')" "0" "menus after a plain left click"
# The application window, shown ahead while the pointer rests on the icon,
# is hidden a few seconds after the pointer left it.
xdotool mousemove 500 300
expect_soon 0 "visible application windows after it" drv visible-windows QuenlarkApplication
tray_click left shift
wait_menu >/dev/null
keys Escape
wait_no_menu
xdotool mousemove 500 300
expect_soon 0 "visible application windows after a menu" drv visible-windows QuenlarkApplication
drv end-session TQuenlarkForm
ql_wait_exit 5
