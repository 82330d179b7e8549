# A ScanTime outside the settings dialog's 1 to 60 (a hand-edited registry)
# scans every 5 seconds, the default: a document used after the start is
# captured; the stored value is left as it is.
use_shell_folder
for scan_time in -5 2147483647; do
  reg_set System ScanTime "$scan_time"
  ql_start
  use_document "later$scan_time.txt.lnk" "$DocsW\\later$scan_time.txt" 0
  wait_file "$HistoryW\\LATER$scan_time.TXT.lnk" 8
  expect_eq "$(reg_get System ScanTime)" "$scan_time" "the stored ScanTime"
  drv end-session TQuenlarkForm
  ql_wait_exit 5
done
