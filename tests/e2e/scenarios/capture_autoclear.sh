# AutoClear empties the shell's Recent folder after every scan, including the
# entries a filter rejected; the filter keeps them out of the history.
use_shell_folder
reg_set System ScanTime 1
reg_set System AutoClear 1
reg_set System ExtCheck 1
reg_set System ExtName "tmp, bak"
ql_start
use_document 'a.txt.lnk' "$DocsW\\a.txt" -20
use_document 'b.tmp.lnk' "$DocsW\\b.tmp" -10
wait_listing "$ShellRecentW" "" 4
wait_listing "$HistoryW" "A.TXT.lnk" 2
drv end-session TQuenlarkForm
ql_wait_exit 5
