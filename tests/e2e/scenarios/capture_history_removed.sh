# The history folder deleted while the program runs (with MultiUser, both
# levels) is made again by the next scan, which captures into it.
use_shell_folder
reg_set System ScanTime 1
reg_set System MultiUser 1
user=$(drv user-name)
[ -n "$user" ] || fail "no login name"
ql_start
use_document 'one.txt.lnk' "$DocsW\\one.txt" -20
wait_file "$HistoryW\\$user\\ONE.TXT.lnk" 4
rm -rf "$History"
use_document 'two.txt.lnk' "$DocsW\\two.txt" -10
wait_listing "$HistoryW\\$user" "$(printf 'ONE.TXT.lnk\nTWO.TXT.lnk')" 4
drv end-session TQuenlarkForm
ql_wait_exit 5
