# A history entry cleared in the selective clear dialog while the shell's
# Recent folder still lists its shortcut stays out of the history through
# later scans and a restart; the shell writing that shortcut anew (the
# document opened again) brings it back. Each marker document, older than
# the cleared one and newer than the history's newest, is captured by a scan
# that also looked at the cleared entry's shortcut.
use_shell_folder
reg_set System ScanTime 1
base=$(date +%s)
at() { echo $(($1 + base - $(date +%s))); }  # the offset from now of base + $1
ql_start
wait_tray
use_document 'report.txt.lnk' "$DocsW\\report.txt" "$(at -30)"
wait_listing "$HistoryW" 'REPORT.TXT.lnk' 8

tray_click right
wait_menu >/dev/null
keys Down Down Down Right Down Return
wait_visible TSelectClearForm 1 5
expect_soon "[最近使ったﾌｧｲﾙ]の一覧  (1/1)" "the history's one row, checked" drv control-text TSelectClearForm 100
keys alt+c
drv message-box TSelectClearForm "$(patience 5)" >/dev/null || fail "no confirmation"
keys Left Return
wait_visible TSelectClearForm 0 5
expect_eq "$(list_folder "$ShellRecentW")" "report.txt.lnk" "the shell still lists the cleared entry's shortcut"

use_document 'm1.txt.lnk' "$DocsW\\m1.txt" "$(at -60)"
wait_listing "$HistoryW" 'M1.TXT.lnk' 8
use_document 'm2.txt.lnk' "$DocsW\\m2.txt" "$(at -50)"
wait_listing "$HistoryW" $'M1.TXT.lnk\nM2.TXT.lnk' 8
[[ $(reg_get System ClearedRecent) == *report.txt.lnk* ]] || fail "ClearedRecent names no report.txt.lnk"

drv end-session TQuenlarkForm
ql_wait_exit 5
ql_start
use_document 'm3.txt.lnk' "$DocsW\\m3.txt" "$(at -40)"
wait_listing "$HistoryW" $'M1.TXT.lnk\nM2.TXT.lnk\nM3.TXT.lnk' 8

use_document 'report.txt.lnk' "$DocsW\\report.txt" 0
wait_listing "$HistoryW" $'M1.TXT.lnk\nM2.TXT.lnk\nM3.TXT.lnk\nREPORT.TXT.lnk' 8
expect_soon "" "ClearedRecent once the shell wrote the shortcut anew" reg_get System ClearedRecent
