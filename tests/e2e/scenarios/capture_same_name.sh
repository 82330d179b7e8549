# Two documents named readme.txt in two folders, used one after the other:
# the history holds one entry, README.TXT.lnk, pointing to the later one.
use_shell_folder
reg_set System ScanTime 1
mkdir -p "$Docs/one" "$Docs/two"
ql_start
use_document 'readme.txt.lnk' "$DocsW\\one\\readme.txt" -100
wait_file "$HistoryW\\README.TXT.lnk" 4
# The shell rewrites its shortcut of the same name for the later use.
use_document 'readme.txt.lnk' "$DocsW\\two\\readme.txt" -10
deadline=$((SECONDS + $(patience 5)))
until [ "$(drv resolve "$HistoryW\\README.TXT.lnk")" == "$DocsW\\two\\readme.txt" ]; do
  [ $SECONDS -lt $deadline ] || fail "README.TXT.lnk still points to $(drv resolve "$HistoryW\\README.TXT.lnk")"
  sleep 0.3
done
wait_listing "$HistoryW" "README.TXT.lnk" 2
drv end-session TQuenlarkForm
ql_wait_exit 5
