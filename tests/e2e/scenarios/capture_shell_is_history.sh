# The shell's Recent folder named as the history folder in another spelling
# (lower case, a trailing "\"), with AutoClear: the history stays whole, scan
# after scan.
use_shell_folder
reg_set System ScanTime 1
reg_set System AutoClear 1
mkdir -p "$History"
for name in a b; do
  drv touch "$DocsW\\$name.txt" >/dev/null || fail "cannot create $name.txt"
  drv shortcut "$HistoryW\\${name^^}.TXT.lnk" "$DocsW\\$name.txt" "$(time_from_now -60)" ||
    fail "cannot write the history entry of $name.txt"
done
entries=$(printf 'A.TXT.lnk\nB.TXT.lnk')
drv reg-set 'Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Recent "${HistoryW,,}\\" ||
  fail "cannot point Shell Folders\\Recent at the history"
ql_start
sleep 3  # the first scan and a few timer scans
wait_listing "$HistoryW" "$entries" 1
drv end-session TQuenlarkForm
ql_wait_exit 5
