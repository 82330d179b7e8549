# The history folder and the shell's Recent folder made hostile while the
# program runs (AutoClear on, a scan every second): a history shortcut held
# open with no sharing during scans and a menu opening, the history folder
# read-only, the history folder replaced by a file of the user's; then
# starts with the shell's Recent folder missing, empty in the registry and
# on a drive that does not exist. The program keeps running with its tray
# icon, the history loses nothing, and a shell shortcut is cleared only
# once its copy is in the history.
use_shell_folder
reg_set System ScanTime 1
reg_set System AutoClear 1
alive() { kill -0 "$QL_PID" || fail "the program ended ($1)"; drv wait-tray TQuenlarkForm "$(patience 5)" >/dev/null || fail "no tray icon ($1)"; }

ql_start
wait_tray
use_document 'one.txt.lnk' "$DocsW\\one.txt" -40
wait_names "$History" 'ONE.TXT.lnk' 5
wait_names "$ShellRecent" '' 5

# Held open with no sharing: unreadable for now, so never deleted, neither
# by the scans nor by the listing of a menu opening.
drv_live hold-file "$HistoryW\\ONE.TXT.lnk" 6 >"$WORK/hold.log" &
hold=$!
until grep -q held "$WORK/hold.log" 2>/dev/null; do kill -0 $hold 2>/dev/null || fail "cannot hold the shortcut"; sleep 0.2; done
use_document 'two.txt.lnk' "$DocsW\\two.txt" -30
tray_click left
wait_menu >/dev/null
keys Escape
wait_no_menu
wait_names "$History" $'ONE.TXT.lnk\nTWO.TXT.lnk' 5
wait $hold
sleep 2
expect_eq "$(names "$History" | tr '\n' ' ')" "ONE.TXT.lnk TWO.TXT.lnk " "the history after the hold"
alive "after the hold"

# Read-only: nothing can be copied, so the shell's shortcut stays. (The
# tests run as root, whom permissions do not stop: the folder is made
# immutable instead.)
fail() { chattr -i "$History" 2>/dev/null || true; echo "FAIL: $*" >&2; exit 1; }
chattr +i "$History" || fail "cannot make the history read-only"
use_document 'three.txt.lnk' "$DocsW\\three.txt" -20
sleep 3
expect_eq "$(names "$ShellRecent")" "three.txt.lnk" "the shell's shortcut kept while the history is read-only"
chattr -i "$History"
wait_names "$History" $'ONE.TXT.lnk\nTHREE.TXT.lnk\nTWO.TXT.lnk' 5
wait_names "$ShellRecent" '' 5
alive "after read-only"

# Replaced by a file of the user's: the file is left as it is.
mv "$History" "$History.saved"
printf 'mine' >"$History"
use_document 'four.txt.lnk' "$DocsW\\four.txt" -10
sleep 3
expect_eq "$(cat "$History")" "mine" "the file in the history folder's place untouched"
expect_eq "$(names "$ShellRecent")" "four.txt.lnk" "the shell's shortcut kept while the history is a file"
alive "with the history replaced by a file"
rm "$History"
mv "$History.saved" "$History"
wait_names "$History" $'FOUR.TXT.lnk\nONE.TXT.lnk\nTHREE.TXT.lnk\nTWO.TXT.lnk' 5
drv end-session TQuenlarkForm
ql_wait_exit 10
all=$(names "$History")

# Starts with the shell's Recent folder missing, empty and on no drive.
for recent in "$(winpath "$WORK/nowhere")" '' 'Q:\Recent'; do
  drv reg-set 'Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Recent "$recent" ||
    fail "cannot set Recent"
  ql_start
  wait_tray
  tray_click left
  wait_menu >/dev/null
  keys Escape
  wait_no_menu
  sleep 2
  alive "Recent '$recent'"
  expect_eq "$(names "$History")" "$all" "the history with Recent '$recent'"
  drv end-session TQuenlarkForm
  ql_wait_exit 10
done
expect_eq "$(reg_get System AutoClear)" "1" "AutoClear as the user set it"
