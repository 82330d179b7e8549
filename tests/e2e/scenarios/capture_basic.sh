# A document whose shortcut lands in the shell's Recent folder is in the
# history within one scan interval, under its upper-cased name, with the
# shell shortcut's time stamp; Japanese names arrive byte for byte.
use_shell_folder
reg_set System ScanTime 1
ql_start
use_document 'report.doc.lnk' "$DocsW\\report.doc" -60
wait_file "$HistoryW\\REPORT.DOC.lnk" 4
expect_eq "$(drv resolve "$HistoryW\\REPORT.DOC.lnk")" "$DocsW\\report.doc" "history entry target"
expect_eq "$(drv file-date "$HistoryW\\REPORT.DOC.lnk")" "$(drv file-date "$ShellRecentW\\report.doc.lnk")" \
  "history entry keeps the shell shortcut's time"
use_document '表示ソフト.txt.lnk' "$DocsW\\表示ソフト.txt" -30
wait_file "$HistoryW\\表示ソフト.TXT.lnk" 4
expect_eq "$(drv resolve "$HistoryW\\表示ソフト.TXT.lnk")" "$DocsW\\表示ソフト.txt" "Japanese entry target"
expect_eq "$(list_folder "$ShellRecentW" | wc -l)" "2" "the shell's folder is left alone without AutoClear"
shot captured
drv end-session TQuenlarkForm
ql_wait_exit 5
