# Only documents with a listed extension are remembered (ExtCheck 2), and a
# shortcut to a folder is not remembered with FolderCheck.
use_shell_folder
reg_set System ScanTime 1
reg_set System ExtCheck 2
reg_set System ExtName "txt,"
reg_set System FolderCheck 1
mkdir -p "$Docs/folder.txt"
ql_start
use_document 'keep.txt.lnk' "$DocsW\\keep.txt" -30
use_document 'skip.doc.lnk' "$DocsW\\skip.doc" -20
drv shortcut "$ShellRecentW\\folder.lnk" "$DocsW\\folder.txt" "$(time_from_now -10)" || fail "folder shortcut"
wait_listing "$HistoryW" "KEEP.TXT.lnk" 4
sleep 2  # two more scans: nothing else arrives
wait_listing "$HistoryW" "KEEP.TXT.lnk" 1
drv end-session TQuenlarkForm
ql_wait_exit 5
