# The shortcuts Windows wrote (../shared/testdata/lnk/real), in the shell's
# folder under AutoClear: nothing leaves the shell's folder without a
# byte-identical copy in the history, and the three whose targets Wine
# spells with "?" (an Arabic name, an emoji, a lone surrogate; their item
# lists name no file here) stay as they are and are never captured. A marker
# document shows when the scan has decided about every file: once its
# shortcut is captured and cleared.
use_shell_folder
reg_set System ScanTime 1
reg_set System RecentMax 100
reg_set System AutoClear 1
mkdir -p "$WORK/corpus"
install -m 0644 "$QUENLARK_SOURCE/../shared/testdata/lnk/real/"*.lnk "$WORK/corpus/"
cp -p "$WORK/corpus/"*.lnk "$ShellRecent/"
use_document 'marker.qlt.lnk' "$DocsW\\marker.qlt" 0
ql_start
eventually eval '[ -f "$History/MARKER.QLT.lnk" ] && [ ! -e "$ShellRecent/marker.qlt.lnk" ]' ||
  fail "the marker was not captured and cleared"
# Each file's fate, then the failures together.
lost=() wrong=()
for f in "$WORK/corpus/"*.lnk; do
  n=$(basename "$f") copy=
  for h in "$History"/*.lnk; do cmp -s "$f" "$h" && copy=$(basename "$h") && break; done
  if [ -e "$ShellRecent/$n" ]; then
    cmp -s "$f" "$ShellRecent/$n" || wrong+=("$n (changed)")
    echo "corpus: $n kept${copy:+, captured as $copy}"
  else
    [ -n "$copy" ] || lost+=("$n")
    echo "corpus: $n gone${copy:+, captured as $copy}"
  fi
done
for n in edge_unpaired_surrogate.lnk win7_recent_arabic_name.lnk win10_emoji_filename.lnk; do
  [ -e "$ShellRecent/$n" ] || wrong+=("$n (gone)")
  for h in "$History"/*.lnk; do cmp -s "$WORK/corpus/$n" "$h" && wrong+=("$n (captured as $(basename "$h"))"); done
done
[ ${#wrong[@]} -eq 0 ] || fail "Wine spells these targets with \"?\": ${wrong[*]}"
[ ${#lost[@]} -eq 0 ] || fail "left the shell's folder without a byte-identical copy in the history: ${lost[*]}"
echo "ok: no corpus shortcut lost; the three with \"?\" kept and not captured"
kill -0 "$QL_PID" || fail "the program ended"
drv end-session TQuenlarkForm
ql_wait_exit 5
