# The history menu opened by its hot key finds its entries by typing: the
# same letter again moves on to the next entry with that initial, letters
# typed quickly find the first entry that starts with them, a letter nothing
# starts with leaves the selection, and Enter opens the entry chosen. The
# date in front and the whole path are shown and are not in the way.
use_shell_folder
register_recorder
reg_set System ScanTime 1
reg_set System SortSelect 0
reg_set System PathDispNumber 1
reg_set System DateTimeDisp 3
reg_set System DateTopDisp 1
# Ctrl + Alt + R opens the recent files.
reg_set System RecentHotKey $(( 0x4000 | 0x8000 | 0x52 ))
for name in alpha beta bob bravo charlie; do use_document "$name.qlt.lnk" "$DocsW\\$name.qlt" -60; done
ql_start
wait_listing "$HistoryW" "$(printf 'ALPHA.QLT.lnk\nBETA.QLT.lnk\nBOB.QLT.lnk\nBRAVO.QLT.lnk\nCHARLIE.QLT.lnk')" 4
wait_tray
open_by_hot_key() { xdotool mousemove 300 200 key ctrl+alt+r; wait_menu >/dev/null; }

# By file name: alpha, beta, bob, bravo, charlie. b, b: beta, then bob.
open_by_hot_key
keys b b
shot typed_b_b
keys Return
wait_recorded 'bob.qlt' 10
# b and r quickly: the first that starts with "br".
open_by_hot_key
xdotool key --delay 60 b r
keys Return
wait_recorded 'bravo.qlt' 10
# c, then x (nothing starts with it, nor with "cx"): charlie stays.
open_by_hot_key
keys c x Return
wait_recorded 'charlie.qlt' 10
drv end-session TQuenlarkForm
ql_wait_exit 5
