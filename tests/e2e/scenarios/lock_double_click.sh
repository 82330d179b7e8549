# Double clicks at a person's speed lock and unlock while the left click opens
# the recent files; a single click opens them where it was, the mouse gone on.
reg_set System DbClickPassWord 1
icon() { import -window root -display "$DISPLAY" -crop 16x16+$((TRAY_X - 8))+$((TRAY_Y - 8)) "$WORK/$1.png"; }
icon_is() { icon now && [ "$(compare -metric AE "$WORK/now.png" "$WORK/active.png" null: 2>&1)" "$1" 0 ]; }
ql_start
wait_tray
icon active
for want in '!=' '==' '!=' '==' '!=' '=='; do  # the sleeping picture, the active one, three times
  xdotool mousemove "$TRAY_X" "$TRAY_Y" sleep 0.3 click --repeat 2 --delay 120 1 mousemove 500 400
  eventually icon_is "$want" || fail "a double click did not switch the lock (the icon $want the active one)"
done
xdotool mousemove "$TRAY_X" "$TRAY_Y" sleep 0.3 click 1 mousemove 100 100
[ "$(wait_menu | cut -d' ' -f3)" -gt $((TRAY_X - 50)) ] || fail "the menu did not open where the click was"
