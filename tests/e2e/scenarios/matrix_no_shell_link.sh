# The shell link object unavailable: its class removed from the test prefix
# (and put back afterwards). No shortcut can be read, so none is captured,
# none is deleted from either folder (AutoClear on), and the program keeps
# running with its menus.
use_shell_folder
reg_set System ScanTime 1
reg_set System AutoClear 1
clsid='HKLM\Software\Classes\CLSID\{00021401-0000-0000-C000-000000000046}'
saved="$WORK/shelllink.reg"
view=${QUENLARK_REG_VIEW:?}  # the program's own view of the class
wine reg export "$clsid" "$(winpath "$saved")" /y "$view" >/dev/null 2>&1 || fail "cannot save the shell link class"
restore() { wine reg import "$(winpath "$saved")" "$view" >/dev/null 2>&1 || true; }
fail() { restore; echo "FAIL: $*" >&2; exit 1; }

# A history made while the class is there.
ql_start
wait_tray
use_document 'old.txt.lnk' "$DocsW\\old.txt" -30
wait_listing "$HistoryW" 'OLD.TXT.lnk' 5
drv end-session TQuenlarkForm
ql_wait_exit 10

# Written while the class is still there (the driver needs it too).
use_document 'new.txt.lnk' "$DocsW\\new.txt" -10
wine reg delete "$clsid" /f "$view" >/dev/null 2>&1 || fail "cannot remove the shell link class"
ql_start
wait_tray
sleep 3
tray_click left
wait_menu >/dev/null
keys Escape
wait_no_menu
sleep 2
kill -0 "$QL_PID" || fail "the program ended"
expect_eq "$(list_folder "$HistoryW")" "OLD.TXT.lnk" "the history kept whole"
expect_eq "$(list_folder "$ShellRecentW")" "new.txt.lnk" "the shell's shortcut kept"
drv end-session TQuenlarkForm
ql_wait_exit 10
restore

# With the class back the waiting shortcut is captured.
ql_start
wait_tray
wait_listing "$HistoryW" $'NEW.TXT.lnk\nOLD.TXT.lnk' 5
drv end-session TQuenlarkForm
ql_wait_exit 10
