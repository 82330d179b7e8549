# The table's names (any_name.sh) through the scan under AutoClear: each shell
# shortcut is captured as its upper-cased name byte for byte, cleared from the
# shell's folder and trimmed by RecentMax; one to a lone surrogate's name stays.
# The Windows-written corpus: none leaves the shell's folder without a byte-
# identical copy in the history unless the scan leaves it out on purpose; the
# three Wine spells with "?" (their item lists name no file here) stay as
# they are.
source "$QUENLARK_SOURCE/tests/e2e/any_name.sh"
use_shell_folder
reg_set System ScanTime 1
reg_set System RecentMax 10
reg_set System AutoClear 1
an_use_documents
use_document 'plain.qlt.lnk' "$DocsW\\plain.qlt" -2
drv shortcut "$ShellRecentW\\surrogate.qlt.lnk" "$DocsW\\$AN_SURROGATE.qlt" "$(time_from_now -60)" || fail "no shortcut"
drv touch "$DocsW\\$AN_SURROGATE.qlt" && fail "Wine created a file named with a lone surrogate"
cp -rp "$ShellRecent" "$WORK/written"
ql_start
wait_names "$History" "$( (an_history; echo PLAIN.QLT.lnk) | LC_ALL=C sort)" 8
for i in "${!AN_NAMES[@]}"; do cmp "$WORK/written/${AN_NAMES[i]}.qlt.lnk" "$History/${AN_UPPER[i]}.QLT.lnk" || fail "${AN_UPPER[i]}"; done
wait_names "$ShellRecent" 'surrogate.qlt.lnk' 8
for n in 1 2 3 4 5; do use_document "new$n.qlt.lnk" "$DocsW\\new$n.qlt" 0; done
wait_names "$History" "$( (an_history 0 1 2 3; printf '%s.QLT.lnk\n' NEW{1..5} PLAIN) | LC_ALL=C sort)" 8
expect_eq "$(names "$ShellRecent")" 'surrogate.qlt.lnk' "the shell's folder"
drv end-session TQuenlarkForm
ql_wait_exit 5

reg_set System RecentMax 100
install -m 0644 -D -t "$WORK/corpus" "$QUENLARK_SOURCE/../shared/testdata/lnk/real/"*.lnk
cp -p "$WORK/corpus/"*.lnk "$ShellRecent/"
use_document 'marker.qlt.lnk' "$DocsW\\marker.qlt" 0
ql_start
# Once the marker is captured and cleared, that scan has decided every file.
eventually eval '[ -f "$History/MARKER.QLT.lnk" ] && [ ! -e "$ShellRecent/marker.qlt.lnk" ]' || fail "no marker"
fates=$(for f in "$WORK/corpus/"*.lnk; do
  n=$(basename "$f") copy=$(cd "$History" && for h in *.lnk; do cmp -s "$f" "$h" && echo "$h"; done)
  echo "$n: $(cmp -s "$f" "$ShellRecent/$n" && echo kept || echo gone)${copy:+, captured as $copy}"
done)
echo "$fates"
for n in edge_unpaired_surrogate win7_recent_arabic_name win10_emoji_filename; do
  grep -qxF "$n.lnk: kept" <<<"$fates" || fail "$n.lnk (a target with \"?\") was not kept as it was"
done
# AutoClear may remove uncaptured only what the scan leaves out on purpose:
# no path, no file name (a folder, a drive), or a document whose history entry
# another shortcut already gave (the same name).
while IFS= read -r gone; do
  t=$(drv resolve "$(winpath "$WORK/corpus/$gone")") name=${t##*\\}
  [ -z "$name" ] || [[ $name == *: ]] || names "$History" | grep -qixF "$name.lnk" ||
    fail "$gone went without a byte-identical copy in the history (target $t)"
done < <(sed -n 's/: gone$//p' <<<"$fates")
