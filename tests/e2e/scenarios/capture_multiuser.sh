# MultiUser keeps the history in a subfolder named after the login name.
use_shell_folder
reg_set System ScanTime 1
reg_set System MultiUser 1
user=$(drv user-name)
[ -n "$user" ] || fail "no login name"
ql_start
use_document 'mine.txt.lnk' "$DocsW\\mine.txt" -10
wait_file "$HistoryW\\$user\\MINE.TXT.lnk" 4
expect_eq "$(list_folder "$HistoryW")" "" "files in the shared folder"
drv end-session TQuenlarkForm
ql_wait_exit 5
