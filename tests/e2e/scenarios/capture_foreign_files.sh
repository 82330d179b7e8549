# The shell's Recent folder set to a folder of documents, with AutoClear: the
# shortcut is captured and cleared, every other file in the folder stays.
use_shell_folder
reg_set System ScanTime 1
reg_set System AutoClear 1
printf 'notes\r\n' >"$ShellRecent/notes.txt"
printf 'PK' >"$ShellRecent/report.docx"
printf '[System]\r\n' >"$ShellRecent/settings.ini"
others=$(printf 'notes.txt\nreport.docx\nsettings.ini')
use_document 'a.txt.lnk' "$DocsW\\a.txt" -20
ql_start
wait_listing "$HistoryW" "A.TXT.lnk" 4
wait_listing "$ShellRecentW" "$others" 2
use_document 'b.txt.lnk' "$DocsW\\b.txt" -10
wait_listing "$HistoryW" "$(printf 'A.TXT.lnk\nB.TXT.lnk')" 4
wait_listing "$ShellRecentW" "$others" 2
drv end-session TQuenlarkForm
ql_wait_exit 5
