#!/usr/bin/env bash
# A release zip as a user gets it: its contents (one folder with the program,
# the readmes and, when the help is built, the Japanese and English help
# files; no debug file), the program stripped and linked to the debug file
# of the debug zip, and the program unpacked into a fresh Wine prefix of its
# own and started there: its tray icon appears, its history folder is made
# beside it and the settings get the project version.
#
#   package_zip.sh ZIP
#
# Environment (set by CTest): QUENLARK_BUILD (the test tree, for
# qldriver.exe), QUENLARK_SOURCE, QUENLARK_VERSION, QUENLARK_OBJDUMP,
# QUENLARK_EXPECT_HELP (1 when the help files belong in the zip).
# The prefix and the Xvfb display are this test's own (its Wine session in
# $QUENLARK_BUILD/e2e/package_zip/wine), removed at the end.
set -euo pipefail
zip=${1:?the release zip}
: "${QUENLARK_BUILD:?}" "${QUENLARK_SOURCE:?}" "${QUENLARK_VERSION:?}" "${QUENLARK_OBJDUMP:?}"
[ -f "$zip" ] || { echo "FAIL: no release zip $zip (scripts/package makes it)" >&2; exit 1; }
name=$(basename "$zip" .zip)
debug_zip=${zip%.zip}-debug.zip

WORK=$QUENLARK_BUILD/e2e/package_zip-$name
SHOTS=$WORK/screenshots
export QUENLARK_WINE_STATE=$WORK/wine
session=$QUENLARK_SOURCE/tests/wine/session
rm -rf "$WORK"
mkdir -p "$SHOTS" "$WORK/debug"

cleanup() {
  local rc=$?
  if [ $rc -ne 0 ] && [ -f "$QUENLARK_WINE_STATE/display" ]; then shot failure || true; fi
  if declare -F kill_quenlark >/dev/null; then kill_quenlark; fi
  "$session" stop >/dev/null 2>&1 || true
  rm -rf "$QUENLARK_WINE_STATE/prefix" "$WORK/debug"
  return $rc
}
trap cleanup EXIT

# --- The zip's contents.
want="$name/
$name/quenlark.exe
$name/readme-en.txt
$name/readme-ja.txt"
[ "${QUENLARK_EXPECT_HELP:-0}" = 1 ] && want="$want
$name/Quenlark.chm
$name/Quenlark-en.chm"
got=$(unzip -Z1 "$zip" | LC_ALL=C sort)
want=$(echo "$want" | LC_ALL=C sort)
[ "$got" == "$want" ] || { echo "FAIL: $zip holds:"$'\n'"$got"$'\n'"expected:"$'\n'"$want" >&2; exit 1; }
echo "ok: $(basename "$zip") holds $(echo "$got" | grep -vc '/$') files in $name/"
for f in readme-ja.txt readme-en.txt; do
  # Read whole: "grep -q" would stop reading at the first line, and unzip,
  # writing on into a closed pipe, would fail the pipeline (pipefail).
  [ -n "$(unzip -p "$zip" "$name/$f" | tr -d '\r\n')" ] || { echo "FAIL: $f is empty" >&2; exit 1; }
  # Notepad text: every line ends in CR LF.
  [ "$(unzip -p "$zip" "$name/$f" | grep -vc $'\r$')" = 0 ] || { echo "FAIL: $f has lines without CR LF" >&2; exit 1; }
done

# --- Stripped, with a debug link that names the debug zip's file and its checksum.
unzip -q "$debug_zip" -d "$WORK/debug" 2>/dev/null || { echo "FAIL: no debug zip $debug_zip" >&2; exit 1; }
debug_file=$(find "$WORK/debug" -name quenlark.exe.debug | head -1)
[ -n "$debug_file" ] || { echo "FAIL: $debug_zip has no quenlark.exe.debug" >&2; exit 1; }
unzip -q -o "$zip" "$name/quenlark.exe" -d "$WORK/debug"
exe=$WORK/debug/$name/quenlark.exe
# objdump only reads (objcopy without an output file would rewrite its input).
sections() { "$QUENLARK_OBJDUMP" -h "$1" | awk '$2 ~ /^\./ {print $2}'; }
sections "$exe" | grep -q '^\.debug_' && { echo "FAIL: the exe keeps debug information" >&2; exit 1; }
sections "$debug_file" | grep -qx '\.debug_info' || { echo "FAIL: the debug file has no .debug_info" >&2; exit 1; }
sections "$exe" | grep -qx '\.gnu_debuglink' || { echo "FAIL: the exe has no .gnu_debuglink" >&2; exit 1; }
# The link: the debug file's name, padding to 4 bytes, its CRC-32 (little-endian).
"$QUENLARK_OBJDUMP" -s -j .gnu_debuglink "$exe" >"$WORK/debug/link.txt"
python3 - "$WORK/debug/link.txt" "$debug_file" <<'PY' || { echo "FAIL: the debug link does not match the debug file" >&2; exit 1; }
import re, sys, zlib
link = b""
for line in open(sys.argv[1]):
    m = re.match(r"^ ([0-9a-f]+) (.{35})", line)
    if m:  # address, then four groups of 4 bytes in hex, then the text
        link += bytes.fromhex(m.group(2).replace(" ", ""))
name = link[:link.index(b"\0")].decode()
crc = int.from_bytes(link[-4:], "little")
actual = zlib.crc32(open(sys.argv[2], "rb").read()) & 0xFFFFFFFF
print("debug link: %s crc %08x, debug file crc %08x" % (name, crc, actual))
sys.exit(0 if name == "quenlark.exe.debug" and crc == actual else 1)
PY
echo "ok: the exe is stripped and its debug link matches the debug zip's file"

# --- Unpacked into a fresh prefix and started from there.
"$session" start
# shellcheck source=lib.sh
source "$QUENLARK_SOURCE/tests/e2e/lib.sh"
unzip -q "$zip" -d "$WINEPREFIX/drive_c/Tools"
app_dir=$WINEPREFIX/drive_c/Tools/$name
[ ! -e "$app_dir/Recent" ] || fail "the zip brings a history folder"
(cd "$app_dir" && exec wine 'C:\Tools\'"$name"'\quenlark.exe' >"$WORK/quenlark.log" 2>&1) &
QL_PID=$!
QL_PIDS=$QL_PID
deadline=$((SECONDS + 30))
until drv wait-window TQuenlarkForm 2; do
  [ $SECONDS -lt $deadline ] || fail "the controller window did not appear"
  sleep 0.2
done
wait_tray 20
echo "ok: the icon is in the notification area"
shot running
deadline=$((SECONDS + 10))
until [ -d "$app_dir/Recent" ]; do
  [ $SECONDS -lt $deadline ] || fail "no history folder beside the program: $(ls "$app_dir")"
  sleep 0.2
done
echo "ok: history folder C:\\Tools\\$name\\Recent"
expect_eq "$(reg_get System Version)" "$QUENLARK_VERSION" "Version in the settings"
drv end-session TQuenlarkForm || fail "no window to end"
ql_wait_exit 10
echo "package $name passed"
