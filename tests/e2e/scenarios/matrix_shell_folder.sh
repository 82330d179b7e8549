# Hostile content in the shell's Recent folder: 2000 shortcuts, a 0-byte
# .lnk, every malformed test file, truncated copies of every real one, a
# folder named like a shortcut, a 259-byte target, a 200-byte shortcut name
# (too long for the ANSI calls with its folder), names with a comma, with a
# 0x5C trail byte (表) and with a character outside code page 932 (ä).
# Without AutoClear the program captures what it can and deletes nothing
# from the shell's folder; with AutoClear it removes only shortcuts that were
# captured, were older than the history, or are certainly no shell link, and
# of those only the ones whose delete succeeds. The copies get their modes
# here, whatever the checkout's test data has: every malformed file once
# writable and once read-only (Wine refuses to delete a read-only file).
use_shell_folder
reg_set System ScanTime 1
data="$QUENLARK_SOURCE/../shared/testdata/lnk"
use_document 'many.txt.lnk' "$DocsW\\many.txt" -100
for i in $(seq 1 2000); do cp -p "$ShellRecent/many.txt.lnk" "$ShellRecent/many$i.txt.lnk"; done
: >"$ShellRecent/empty.lnk"
for f in "$data"/malformed/*.lnk; do
  install -m 0644 "$f" "$ShellRecent/"
  install -m 0444 "$f" "$ShellRecent/readonly_$(basename "$f")"
done
for f in "$data"/real/*.lnk; do
  n=$(basename "$f" .lnk)
  head -c $(($(stat -c %s "$f") / 2)) "$f" >"$ShellRecent/cut_$n.lnk"
  chmod 0644 "$ShellRecent/cut_$n.lnk"
done
mkdir -p "$ShellRecent/folder.lnk"
# The malformed and truncated files are older than the documents below.
find "$ShellRecent" -maxdepth 1 -type f ! -name 'many*' -exec touch -d '-200 seconds' {} +
long=$(printf 'L%.0s' $(seq 1 $((259 - ${#DocsW} - 1 - 4))))
use_document 'longtarget.lnk' "$DocsW\\$long.txt" -90
name200=$(printf 'N%.0s' $(seq 1 192)).txt.lnk
use_document 'short.lnk' "$DocsW\\longname.txt" -80
mv "$ShellRecent/short.lnk" "$ShellRecent/$name200"
use_document 'a,b.txt.lnk' "$DocsW\\a,b.txt" -70
use_document '表.txt.lnk' "$DocsW\\表.txt" -60
use_document 'plain.txt.lnk' "$DocsW\\x.txt" -50
mv "$ShellRecent/plain.txt.lnk" "$ShellRecent/xä.txt.lnk"
before=$(names "$ShellRecent")

# The first scan runs before the tray icon is shown: with 2000 shortcuts
# that takes a while under Wine.
ql_start
t0=$SECONDS
wait_tray 90
echo "note: tray icon ${SECONDS}s after start (first start), $((SECONDS - t0)) s after the window"
# The 200-byte name is within reach of the ANSI calls only when its folder's
# path is short enough for the whole to fit in MAX_PATH (259 characters).
fits=$(( ${#ShellRecentW} + 1 + ${#name200} <= 259 ))
expected=$( (printf 'A,B.TXT.lnk\n%s.TXT.lnk\nMANY.TXT.lnk\nX.TXT.lnk\n表.TXT.lnk\n' "$long"
  if [ "$fits" = 1 ]; then echo 'LONGNAME.TXT.lnk'; fi) | LC_ALL=C sort)
wait_names "$History" "$expected" 20
tray_click left
wait_menu >/dev/null
keys Escape
wait_no_menu
sleep 2
[ "$(names "$ShellRecent")" == "$before" ] || fail "the shell's folder changed without AutoClear"
echo "ok: the shell's folder untouched without AutoClear ($(echo "$before" | wc -l) names)"
drv end-session TQuenlarkForm
ql_wait_exit 10

# Kept under AutoClear: the shortcuts that cannot be read now but are not
# known to be junk (truncated ones whose header is whole, among them every
# one cut inside its item list), a name too long
# for MAX_PATH, and every read-only copy (its delete fails). Of the
# writable malformed files, those read with no path or without a shell link
# header (ez_corrupt_cpl_imdisk, not_a_link_recycle_bin_I_record,
# odd_unicode_netname, trunc_header_40) go as certainly no shortcut, and the
# two read with a path (extradata_terminal_overrun, trunc_no_terminal_block)
# go as older than the history's newest entry; so does empty.lnk.
reg_set System AutoClear 1
ql_start
wait_tray 90
kept=$( ([ "$fits" = 1 ] || printf '%s\n' "$name200") && cat <<'KEPT'
cut_测试 1.txt.lnk
cut_edge_unpaired_surrogate.lnk
cut_installer_nero_args_description.lnk
cut_local_file_args_hotkey_console.lnk
cut_msi_advertised_darwin_adobe.lnk
cut_msshllink_worked_example_a_txt.lnk
cut_win10_cyrillic_ansi_cp1251.lnk
cut_win10_emoji_filename.lnk
cut_win10_installer_vscode.lnk
cut_win10_mapped_drive_Z.lnk
cut_win10_uwp_calculator.lnk
cut_win10iot_no_linkinfo.lnk
cut_win7_games_explorer_minesweeper.lnk
cut_win7_recent_arabic_name.lnk
cut_win7_recent_test_txt.lnk
cut_winxp_drive_root_E.lnk
cut_winxp_no_linkinfo_messenger.lnk
cut_winxp_unc_file_french.lnk
cut_winxp_uri_windows_catalog.lnk
cut_ws2012r2_recent_shared_folder_arabic.lnk
folder.lnk
trunc_in_idlist.lnk
KEPT
for f in "$data"/malformed/*.lnk; do echo "readonly_$(basename "$f")"; done
)
wait_names "$ShellRecent" "$(echo "$kept" | LC_ALL=C sort)" 30
[ -d "$ShellRecent/folder.lnk" ] || fail "the folder named folder.lnk went"
[ "$(names "$History")" == "$expected" ] || fail "the history changed under AutoClear: $(names "$History" | tr '\n' ' ')"
drv end-session TQuenlarkForm
ql_wait_exit 10
