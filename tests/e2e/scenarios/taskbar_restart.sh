# A taskbar that lost the program's icon (as a restarted one does) announces
# itself with the "TaskbarCreated" message: the icon comes back, with its
# hint and its clicks.
use_shell_folder
use_document 'doc.txt.lnk' "$DocsW\\doc.txt" -30
ql_start
wait_tray
wait_listing "$HistoryW" 'DOC.TXT.lnk' 8
drv tray-delete TQuenlarkForm || fail "cannot remove the icon"
drv wait-tray TQuenlarkForm 0 && fail "the icon is still there"
echo "ok: the icon is gone"
drv taskbar-created || fail "cannot broadcast"
wait_tray 5
echo "ok: the icon is back"
xdotool mousemove "$TRAY_X" "$TRAY_Y"
sleep 2
shot tray_back
convert "$SHOTS/tray_back.png" -crop 300x60+724+708 +repage "$SHOTS/tray_back_hint.png"
# The pointer leaves the icon first: a click under the taskbar's shown
# tooltip is not passed on to the program by Wine's taskbar.
xdotool mousemove 500 400
sleep 0.5
tray_click left
wait_menu >/dev/null
keys Escape
wait_no_menu
kill -0 "$QL_PID" || fail "the program ended"
