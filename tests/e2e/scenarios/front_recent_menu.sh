# The tray icon shows the count hint; a left click opens the recent files in
# the configured order (by file name), the entries are chosen by keys, and the
# chosen one opens in the program registered for its type.
use_shell_folder
register_recorder
reg_set System ScanTime 1
reg_set System SortSelect 0
use_document 'bravo.qlt.lnk' "$DocsW\\bravo.qlt" -10
use_document 'alpha.qlt.lnk' "$DocsW\\alpha.qlt" -30
use_document 'charlie.qlt.lnk' "$DocsW\\charlie.qlt" -20
ql_start
wait_listing "$HistoryW" "$(printf 'ALPHA.QLT.lnk\nBRAVO.QLT.lnk\nCHARLIE.QLT.lnk')" 4
wait_tray
# Hover over the icon (coming from elsewhere) to show its hint.
xdotool mousemove 500 400
sleep 0.3
xdotool mousemove "$TRAY_X" "$TRAY_Y"
sleep 2
shot tray_hint
tray_click left
rect=$(wait_menu)
echo "menu at $rect"
shot recent_menu_windows
# By file name: alpha, bravo, charlie. The second entry is bravo.
keys Down Down Return
wait_no_menu
wait_recorded 'bravo.qlt' 10
tray_click left
wait_menu >/dev/null
keys Down Down Down Return
wait_recorded 'charlie.qlt' 10
drv end-session TQuenlarkForm
ql_wait_exit 5
