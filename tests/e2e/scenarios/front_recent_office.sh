# Newest first (sort by date, read from the end) in the flat look; Ctrl + left
# click opens the same menu; a hot key opens it at the mouse cursor.
use_shell_folder
register_recorder
reg_set System ScanTime 1
reg_set System SortSelect 2
reg_set System OfficeStyle 1
reg_set System DateTimeDisp 2
# Ctrl + Alt + R opens the recent files.
reg_set System RecentHotKey $(( 0x4000 | 0x8000 | 0x52 ))
use_document 'older.qlt.lnk' "$DocsW\\older.qlt" -300
use_document 'newest.qlt.lnk' "$DocsW\\newest.qlt" -100
use_document 'middle.qlt.lnk' "$DocsW\\middle.qlt" -200
ql_start
wait_listing "$HistoryW" "$(printf 'MIDDLE.QLT.lnk\nNEWEST.QLT.lnk\nOLDER.QLT.lnk')" 4
wait_tray
tray_click left ctrl
wait_menu >/dev/null
shot recent_menu_office
keys Down Return
wait_recorded 'newest.qlt' 10

xdotool mousemove 300 200
sleep 0.3
xdotool key ctrl+alt+r
rect=$(wait_menu)
read -r left top _ _ <<<"$rect"
[ "$left" -ge 295 ] && [ "$left" -le 305 ] && [ "$top" -ge 195 ] && [ "$top" -le 205 ] ||
  fail "the hot key's menu is at $left,$top, not at the cursor 300,200"
echo "ok: the hot key opened the menu at the cursor ($left,$top)"
shot hotkey_menu
keys Down Down Down Return
wait_recorded 'older.qlt' 10
drv end-session TQuenlarkForm
ql_wait_exit 5
