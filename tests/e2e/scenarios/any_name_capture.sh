# Names code page 932 cannot spell, through the scan (table in any_name.sh):
# the shell's shortcuts (IShellLinkW) to such documents are captured under
# the upper-cased name, byte for byte, counted in the tray hint, AutoCleared
# and trimmed by RecentMax like the Japanese control; a shortcut to a name
# with a lone surrogate, which no file can have, stays in the shell's folder
# however old it is.
source "$QUENLARK_SOURCE/tests/e2e/any_name.sh"
use_shell_folder
reg_set System ScanTime 1
reg_set System RecentMax 10
reg_set System AutoClear 1
an_use_documents 4
use_document 'plain.qlt.lnk' "$DocsW\\plain.qlt" -2
drv shortcut "$ShellRecentW\\surrogate.qlt.lnk" "$DocsW\\$AN_SURROGATE.qlt" "$(time_from_now -60)" ||
  fail "cannot write the shortcut to $AN_SURROGATE.qlt"
drv touch "$DocsW\\$AN_SURROGATE.qlt" && fail "Wine created a file named with a lone surrogate"
mkdir -p "$WORK/written"
cp -p "$ShellRecent"/*.lnk "$WORK/written/"
documents=$(names "$Docs")

ql_start
wait_names "$History" "$( (an_history; echo PLAIN.QLT.lnk) | LC_ALL=C sort)" 8
for i in "${!AN_NAMES[@]}"; do
  cmp "$WORK/written/${AN_NAMES[i]}.qlt.lnk" "$History/${AN_UPPER[i]}.QLT.lnk" ||
    fail "${AN_UPPER[i]}.QLT.lnk is no copy of the shell's shortcut"
done
echo "ok: every history entry is a byte-identical copy of the shell's shortcut"
wait_names "$ShellRecent" 'surrogate.qlt.lnk' 8
wait_tray
expect_soon "Quenlark - 8/10Files" "the tray hint" tray_hint

# Five newer documents: the three oldest entries go.
for n in 1 2 3 4 5; do use_document "new$n.qlt.lnk" "$DocsW\\new$n.qlt" 0; done
wait_names "$History" "$( (an_history 0 1 2 3; printf 'NEW%s.QLT.lnk\n' 1 2 3 4 5; echo PLAIN.QLT.lnk) | LC_ALL=C sort)" 8
expect_soon "Quenlark - 10/10Files" "the tray hint after trimming" tray_hint
expect_eq "$(names "$ShellRecent")" 'surrogate.qlt.lnk' "the shell's folder after trimming"
expect_eq "$(names "$Docs" | grep -v '^new')" "$documents" "the documents"
kill -0 "$QL_PID" || fail "the program ended"
drv end-session TQuenlarkForm
ql_wait_exit 5
