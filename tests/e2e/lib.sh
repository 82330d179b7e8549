# Helpers of the end-to-end scenarios. Sourced by run-scenario.
# shellcheck shell=bash
: "${QUENLARK_WINE_STATE:?}" "${QUENLARK_BUILD:?}" "${QUENLARK_SOURCE:?}" "${QUENLARK_VERSION:?}"
# shellcheck source=../wine/env
source "$QUENLARK_SOURCE/tests/wine/env"

QL_KEY='Software\Kestrow\Quenlark'
QL_PID=
QL_PIDS=
# The least time a wait for a condition allows, in seconds. The machine may
# be loaded (other builds, the other tree's tests): every helper below waits
# for its condition until it holds and fails only after this long, whatever
# shorter limit a scenario names; the limit never judges, the condition does.
QL_PATIENCE=${QL_PATIENCE:-60}

# The session's ANSI code page: empty for the Japanese one (932) the program
# was written for; 1252 (a session in en_US.UTF-8) or 65001 (the program
# built with the UTF-8 code page in its manifest, quenlark_utf8.exe) for the
# same scenarios under another system's code page. Each has its own folders.
QL_CODE_PAGE=${QUENLARK_CODE_PAGE:-}
QL_PROGRAM=quenlark.exe
QL_ACP_PROBE=acp.exe
# The face a session's scenarios expect, set as System\Language at each
# scenario's start (empty: none, the UI language chooses).
QL_LANGUAGE=${QUENLARK_LANGUAGE:-}
# The face the program shows: English where Language says so, or where none
# is set and the session's language is not Japanese (an en_US session).
QL_ENGLISH=0
case "$QL_LANGUAGE" in
  en) QL_ENGLISH=1 ;;
  '') [[ $LANG == ja_* ]] || QL_ENGLISH=1 ;;
esac
# Folders of a session; sessions of one code page differ by their face.
QL_E2E_DIR="$QUENLARK_BUILD/e2e${QUENLARK_SESSION:+/$QUENLARK_SESSION}"
if [ "$QL_CODE_PAGE" = 65001 ]; then
  QL_PROGRAM=quenlark_utf8.exe
  QL_ACP_PROBE=acp_utf8.exe
fi

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A wait's limit: SECONDS, but never less than QL_PATIENCE.
patience() { echo $(( ${1:-0} > QL_PATIENCE ? ${1:-0} : QL_PATIENCE )); }

# Runs COMMAND until it succeeds; fails (status 1) after QL_PATIENCE seconds.
eventually() {
  local deadline=$((SECONDS + QL_PATIENCE))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}

# Waits until COMMAND prints EXPECTED (a state the scenario's last action
# brings about, shown a moment later), then reports it as expect_eq does;
# fails with the last output after QL_PATIENCE seconds.
expect_soon() {  # expect_soon EXPECTED WHAT COMMAND...
  local expected=$1 what=$2 got deadline=$((SECONDS + QL_PATIENCE))
  shift 2
  until got=$("$@") && [ "$got" == "$expected" ]; do
    [ $SECONDS -lt $deadline ] || break
    sleep 0.2
  done
  expect_eq "$got" "$expected" "$what"
}

# Under load, Wine now and then cannot start a process at all: it falls back
# to start.exe, whose ShellExecuteEx fails as well; start.exe says so on
# standard output (in the session's language, naming ShellExecuteEx) and ends
# with status 1. That is the test machine, not a program of the project.
wine_could_not_start() { [ "$1" = 1 ] && [[ $2 == *ShellExecuteEx* ]]; }

# Runs a Windows program of the build inside the prefix; its output (UTF-8)
# without carriage returns, given once it has ended. A launch Wine could not
# make is tried again, three times at most, and noted in the log.
wine_tool() {
  local out status try
  for try in 1 2 3; do
    out=$(wine "$QUENLARK_BUILD/$1" "${@:2}" | tr -d '\r'; exit "${PIPESTATUS[0]}") && status=0 || status=$?
    wine_could_not_start "$status" "$out" || break
    echo "note: Wine could not start $1 $2 (try $try): ${out//$'\n'/ }" >&2
    sleep 0.5
  done
  [ -z "$out" ] || printf '%s\n' "$out"
  return "$status"
}

# The driver program.
drv() {
  local status=0
  wine_tool qldriver.exe "$@" || status=$?
  # A failure some callers do not check still leaves a trace in the log.
  [ "$status" = 0 ] || echo "note: drv $1 gave status $status" >&2
  return "$status"
}

# The driver with its output as it comes (for one that runs in the
# background while the scenario reads its output); never tried again.
drv_live() { wine "$QUENLARK_BUILD/qldriver.exe" "$@" | tr -d '\r'; }

expect_eq() {  # expect_eq ACTUAL EXPECTED WHAT
  [ "$1" == "$2" ] || fail "$3: expected '$2', got '$1'"
  echo "ok: $3 = '$1'"
}

reg_get() { drv reg-get "$QL_KEY\\$1" "$2" || true; }
reg_set() { drv reg-set "$QL_KEY\\$1" "$2" "$3" || fail "cannot write $1\\$2"; }

# The Quenlark processes of this test run's own Wine session: those whose
# WINEPREFIX is this run's prefix. A Quenlark the user started elsewhere (with
# scripts/run, or another test run) has another prefix and is left alone.
own_quenlark_pids() {
  local pid
  for pid in $(pgrep -f 'quenlark\.exe' 2>/dev/null); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
  return 0
}

# Ends the Quenlark processes this scenario started and any left in this
# run's own Wine session.
kill_quenlark() {
  local pids
  pids="$QL_PIDS $(own_quenlark_pids)"
  [ -n "${pids// /}" ] || return 0
  # shellcheck disable=SC2086
  kill $pids 2>/dev/null || true
  for _ in $(seq 1 50); do
    local alive=
    for pid in $pids; do kill -0 "$pid" 2>/dev/null && alive=1; done
    [ -z "$alive" ] && { QL_PIDS=; return 0; }
    sleep 0.1
  done
  # shellcheck disable=SC2086
  kill -9 $pids 2>/dev/null || true
  QL_PIDS=
}

scenario_setup() {
  SCENARIO=$1
  WORK="$QL_E2E_DIR/$SCENARIO"
  SHOTS="$WORK/screenshots"
  kill_quenlark
  # A scenario may have made a folder immutable (a read-only history that
  # root cannot write either); an interrupted run must not leave it so.
  [ -d "$WORK" ] && chattr -R -i "$WORK" 2>/dev/null || true
  rm -rf "$WORK"
  mkdir -p "$WORK/app" "$SHOTS"
  # A copy of the program per scenario: its history folder is its own.
  cp "$QUENLARK_BUILD/$QL_PROGRAM" "$WORK/app/quenlark.exe"
  APP="$WORK/app/quenlark.exe"
  [ -z "$QL_CODE_PAGE" ] || check_code_page
  drv reg-delete-key 'Software\Kestrow' >/dev/null
  [ -z "$QL_LANGUAGE" ] || reg_set System Language "$QL_LANGUAGE"
}

# A session of another code page runs under it: a process of the session
# (one of the program's build, for 65001) reports that code page, and the
# program copied in carries the manifest that sets it.
check_code_page() {
  local got
  got=$(wine_tool "$QL_ACP_PROBE") || fail "$QL_ACP_PROBE did not run"
  expect_eq "$got" "$QL_CODE_PAGE" "the ANSI code page of the session ($QL_ACP_PROBE)"
  if [ "$QL_CODE_PAGE" = 65001 ]; then
    grep -aq '<activeCodePage[^>]*>UTF-8</activeCodePage>' "$APP" || fail "$QL_PROGRAM has no UTF-8 code page in its manifest"
  else
    grep -aq 'activeCodePage' "$APP" && fail "$QL_PROGRAM sets a code page of its own"
  fi
  return 0
}

# Compares the AREA (WxH+X+Y) of the scenario's screenshot NAME with the same
# area of the one the same scenario took in the Japanese session; at most
# LIMIT pixels may differ: the captions read the same under every code page.
# Keeps the difference image beside it.
compare_with_japanese_shot() {  # compare_with_japanese_shot NAME@AREA@LIMIT
  local name area limit ours theirs differing
  IFS=@ read -r name area limit <<<"$1"
  ours="$SHOTS/$name.png" theirs="$QUENLARK_BUILD/e2e/$SCENARIO/screenshots/$name.png"
  [ -f "$theirs" ] || fail "no $theirs: e2e.$SCENARIO (the Japanese session's) did not run first"
  [ -f "$ours" ] || fail "the scenario took no screenshot $name"
  # compare prints the count of differing pixels on stderr; status 1 = they differ.
  differing=$(compare -metric AE -fuzz 10% "$ours[$area]" "$theirs[$area]" "$SHOTS/$name-diff.png" 2>&1 >/dev/null) || true
  [[ $differing =~ ^[0-9]+$ ]] || fail "compare failed on $name: $differing"
  [ "$differing" -le "$limit" ] ||
    fail "$name differs from the Japanese session's in $differing pixels of $area (see $SHOTS/$name-diff.png)"
  echo "ok: $name matches the Japanese session's in $area ($differing pixels differ, at most $limit may)"
}

# Prints the Japanese text (first) or the English one, as the session's face
# shows it.
in_face() { if [ "$QL_ENGLISH" = 1 ]; then printf '%s' "$2"; else printf '%s' "$1"; fi; }

# In the English face no text may hold kana or kanji: fails naming the lines
# of TEXT that do. A Japanese face is checked by the texts it must show.
expect_english() {  # expect_english WHAT TEXT
  [ "$QL_ENGLISH" = 1 ] || return 0
  local japanese
  japanese=$(printf '%s\n' "$2" | perl -CSD -ne 'print if /[\x{3000}-\x{30ff}\x{4e00}-\x{9fff}\x{ff61}-\x{ff9f}]/')
  [ -z "$japanese" ] || fail "Japanese in $1 of the English face: $japanese"
  echo "ok: $1 holds no kana or kanji ($(printf '%s\n' "$2" | wc -l) lines)"
}
# The same for every text of the window CLASS and its controls.
expect_english_window() { expect_english "$1" "$(drv texts "$1")"; }

# Puts the compiled help beside the scenario's copy of the program, as an
# installation has it. Scenarios that do not call this have no help file.
ql_install_help() {
  [ -f "$QUENLARK_BUILD/Quenlark.chm" ] || fail "no Quenlark.chm in the build (target quenlark_help)"
  cp "$QUENLARK_BUILD/Quenlark.chm" "$WORK/app/Quenlark.chm"
  [ -f "$QUENLARK_BUILD/Quenlark-en.chm" ] || fail "no Quenlark-en.chm in the build (target quenlark_help)"
  cp "$QUENLARK_BUILD/Quenlark-en.chm" "$WORK/app/Quenlark-en.chm"
}

scenario_teardown() {
  local rc=$?
  if [ $rc -ne 0 ]; then shot "failure" || true; fi
  kill_quenlark
  return $rc
}

# Starts a Quenlark process in the background (its output to LOG); its pid
# is in QL_PID and joins the ones the scenario ends.
ql_launch() {
  (cd "$WORK/app" && exec wine "$APP" >"$1" 2>&1) &
  QL_PID=$!
  QL_PIDS="$QL_PIDS $QL_PID"
}

# Starts Quenlark in the background and waits for its controller window.
ql_start() {
  local deadline=$((SECONDS + QL_PATIENCE)) log="$WORK/quenlark.log"
  ql_launch "$log"
  # The driver is asked in short rounds; a Quenlark that Wine could not start
  # at all is started again.
  until drv wait-window TQuenlarkForm 2; do
    [ $SECONDS -lt $deadline ] || fail "the controller window did not appear"
    if ! kill -0 "$QL_PID" 2>/dev/null && wine_could_not_start 1 "$(cat "$log")"; then
      echo "note: Wine could not start quenlark.exe: $(tr '\n' ' ' <"$log")" >&2
      ql_launch "$log"
    fi
    sleep 0.2
  done
}

# Waits for the last started Quenlark to end; fails after SECONDS.
ql_wait_exit() {
  local seconds pid=${2:-$QL_PID}
  seconds=$(patience "$1")
  local deadline=$((SECONDS + seconds))
  while kill -0 "$pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "process $pid still running after ${seconds}s"
    sleep 0.2
  done
}

# Screenshot of the whole X display into the scenario's screenshot folder.
shot() {
  import -window root -display "$DISPLAY" "$SHOTS/$1.png"
  echo "screenshot: $SHOTS/$1.png"
}

# The Windows form of a Linux path (Wine's Z: drive).
winpath() {
  local p=${1//\//\\}
  echo "Z:$p"
}

# A local time SECONDS from now, as "YYYY-MM-DD hh:mm:ss" (Wine's local time
# is the machine's). Even seconds, as the folder search reports them.
time_from_now() {
  local t=$(( $(date +%s) + $1 ))
  date -d "@$(( t - t % 2 ))" '+%Y-%m-%d %H:%M:%S'
}

# Points the shell's Recent folder at a folder of the scenario and makes the
# documents folder; sets ShellRecent, ShellRecentW, Docs, DocsW, History, HistoryW.
use_shell_folder() {
  ShellRecent="$WORK/shell-recent"
  Docs="$WORK/docs"
  History="$WORK/app/Recent"
  mkdir -p "$ShellRecent" "$Docs"
  ShellRecentW=$(winpath "$ShellRecent")
  DocsW=$(winpath "$Docs")
  HistoryW=$(winpath "$History")
  drv reg-set 'Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Recent "$ShellRecentW" ||
    fail "cannot point Shell Folders\\Recent at the scenario"
}

# "Uses" a document the way the shell records it: creates the document and a
# shortcut to it in the shell's Recent folder dated SECONDS from now.
#   use_document NAME.lnk DOCUMENT-WINDOWS-PATH SECONDS
use_document() {
  drv touch "$2" >/dev/null || fail "cannot create $2"
  local attempt
  for attempt in 1 2 3; do
    drv shortcut "$ShellRecentW\\$1" "$2" "$(time_from_now "$3")" && return 0
    echo "note: writing shortcut $1 failed (attempt $attempt)" >&2
    sleep 0.5
  done
  fail "cannot write shortcut $1"
}

# The sorted plain file names of a folder (Windows path), one per line.
list_folder() { drv list "$1"; }

# Waits until a file exists (Windows path), failing after SECONDS.
wait_file() { drv wait-file "$1" "$(patience "$2")" || fail "$1 did not appear within $(patience "$2") s"; }

# Waits until the folder listing equals the expected text, failing after SECONDS.
wait_listing() {  # wait_listing FOLDER-WINDOWS EXPECTED SECONDS
  local deadline=$((SECONDS + $(patience "$3"))) got
  while true; do
    got=$(list_folder "$1") || got="(the listing failed)"
    [ "$got" == "$2" ] && { echo "ok: $1 holds: $(echo "$got" | tr '\n' ' ')"; return 0; }
    [ $SECONDS -lt $deadline ] || fail "$1 holds '$(echo "$got" | tr '\n' ' ')', expected '$(echo "$2" | tr '\n' ' ')'"
    sleep 0.3
  done
}

# Folder contents as the Unix side sees them, sorted bytewise: names outside
# code page 932 included, exactly as they are.
names() { ls -A "$1" 2>/dev/null | LC_ALL=C sort; }

# Waits until names DIR gives EXPECTED, failing after SECONDS.
wait_names() {  # wait_names DIR EXPECTED SECONDS
  local deadline=$((SECONDS + $(patience "$3")))
  until [ "$(names "$1")" == "$2" ]; do
    [ $SECONDS -lt $deadline ] || fail "$1 holds '$(names "$1" | tr '\n' ' ')', expected '$(echo "$2" | tr '\n' ' ')'"
    sleep 0.5
  done
  echo "ok: $(basename "$1") holds $(echo "$2" | wc -l) names as expected"
}

# Registers recorder.exe (a copy in the scenario folder) as the program that
# opens documents of the test type ".qlt"; sets Recorder, RecorderW, RecorderLog.
register_recorder() {
  mkdir -p "$WORK/recorder"
  cp "$QUENLARK_BUILD/recorder.exe" "$WORK/recorder/recorder.exe"
  Recorder="$WORK/recorder/recorder.exe"
  RecorderW=$(winpath "$Recorder")
  RecorderLog="$WORK/recorder/recorder.log"
  rm -f "$RecorderLog"
  drv reg-set 'HKCR\.qlt' '' 'QuenlarkTest.Document' || fail "cannot register .qlt"
  drv reg-set 'HKCR\QuenlarkTest.Document\shell\open\command' '' "\"$RecorderW\" \"%1\"" ||
    fail "cannot register the recorder"
}

# Waits until the recorder has logged a line containing TEXT; prints the log.
wait_recorded() {  # wait_recorded TEXT SECONDS
  local deadline=$((SECONDS + $(patience "$2")))
  until [ -f "$RecorderLog" ] && grep -qF -- "$1" "$RecorderLog"; do
    [ $SECONDS -lt $deadline ] || fail "the recorder did not receive '$1' (log: $(cat "$RecorderLog" 2>/dev/null))"
    sleep 0.2
  done
  echo "ok: launched: $(grep -F -- "$1" "$RecorderLog" | tail -1)"
}

# The tray icon: the notification area sits at the right end of the virtual
# desktop's taskbar; with one icon it is the rightmost one.
TRAY_X=${TRAY_X:-1012}
TRAY_Y=${TRAY_Y:-757}

# Waits until Quenlark's icon is in the notification area.
wait_tray() { drv wait-tray TQuenlarkForm "$(patience "${1:-0}")" || fail "no tray icon appeared"; }

# Clicks the tray icon: tray_click left|right|middle [shift|ctrl].
tray_click() {
  local button=1 modifier=${2:-}
  [ "$1" = right ] && button=3
  [ "$1" = middle ] && button=2
  xdotool mousemove "$TRAY_X" "$TRAY_Y"
  sleep 0.3
  if [ -n "$modifier" ]; then
    # Held until a menu shows (at most three seconds), as a person holds the
    # key: the program reads it when it handles the click, which a loaded
    # machine may do after the key was already let go.
    xdotool keydown "$modifier" click "$button"
    drv menu-rect 3 >/dev/null 2>&1 || true
    xdotool keyup "$modifier"
  else
    xdotool click "$button"
  fi
}

# Waits until COUNT windows of CLASS are visible, failing after SECONDS.
wait_visible() {  # wait_visible CLASS COUNT SECONDS
  local deadline=$((SECONDS + $(patience "$3"))) got
  until got=$(drv visible-windows "$1") && [ "$got" == "$2" ]; do
    [ $SECONDS -lt $deadline ] || fail "visible $1 windows: ${got:-?}, expected $2"
    sleep 0.2
  done
}

# A screenshot of an open menu, the pointer moved off the tray icon (whose
# hint would cover the menu's last row).
menu_shot() { xdotool mousemove 500 300 && sleep 0.5 && shot "$1"; }

# Waits for a popup menu and prints its rectangle (left top right bottom).
wait_menu() {
  drv menu-rect "$(patience "${1:-0}")" || fail "no popup menu appeared"
  sleep 0.5  # the menu takes the keyboard a moment after it shows
}
wait_no_menu() { drv no-menu "$(patience "${1:-0}")" || fail "the popup menu did not close"; }

# Makes sure the keys xdotool presses reach the window CLASS. Under Wine's
# virtual desktop each window has an X window of its own; a key goes to the
# X window with the keyboard focus, and Wine hands it on to the window in
# front. Now and then, with the new dialog in front as Windows sees it, the
# X focus stays on the desktop's own X window, and then every key reaches no
# window at all (seen with xdotool getwindowfocus; a message posted to the
# dialog works, and a click on its title bar changes nothing, the dialog
# being active already). When the focus has not left the desktop's window
# within two seconds, this gives it to the dialog's X window, as a window
# manager would.
keys_to() {  # keys_to CLASS
  local title pattern x_window
  title=$(drv window-text "$1") || fail "no $1 window"
  x_focus_on_a_window() {
    local name
    name=$(xdotool getwindowfocus getwindowname 2>/dev/null) && [ -n "$name" ] && [[ $name != *" - Wine desktop" ]]
  }
  for _ in $(seq 1 10); do
    x_focus_on_a_window && return 0
    sleep 0.2
  done
  pattern="^$(printf '%s' "$title" | sed 's/[][\\.^$*+?(){}|]/\\&/g')\$"
  x_window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1)
  [ -n "$x_window" ] || fail "no X window named '$title'"
  xdotool windowfocus "$x_window" 2>/dev/null || true
  echo "note: the X keyboard focus was on the desktop's window; gave it to $1's"
  eventually x_focus_on_a_window || fail "the keyboard does not reach $1 (X focus: $(xdotool getwindowfocus getwindowname 2>&1))"
}

# Waits until no hint (tooltip) shows: the tray icon's, which the pointer
# left on the icon brings up a moment after a click, covers part of what a
# screenshot compared with another session's shows; it hides by itself.
wait_no_hint() {
  expect_soon 0 "hints shown before the screenshot" drv visible-windows tooltips_class32
}

# Presses keys (xdotool names) with a short pause between them.
keys() {
  local k
  for k in "$@"; do
    xdotool key "$k"
    sleep 0.25
  done
}
