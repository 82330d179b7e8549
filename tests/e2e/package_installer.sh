#!/usr/bin/env bash
# The installer (quenlark-<version>-<arch>-setup.exe) in a fresh Wine prefix
# and Xvfb display of its own, silently as a package manager runs it: the
# install (files, Start menu shortcut, start with Windows, the Uninstall key),
# the program captures a document; the same version and a newer build over
# it while it runs (it is asked to close, the history and the settings stay,
# it runs again); an uninstall that keeps the history and settings and one
# (/REMOVEDATA) that leaves nothing of Quenlark.
#
#   package_installer.sh SETUP-EXE
#
# Environment (set by CTest) as package_zip.sh's. The newer build is the same
# files with a higher version, made here by makensis from the zip.
set -euo pipefail
setup=${1:?the installer}
: "${QUENLARK_BUILD:?}" "${QUENLARK_SOURCE:?}" "${QUENLARK_VERSION:?}"
[ -f "$setup" ] || { echo "FAIL: no installer $setup (scripts/package makes it)" >&2; exit 1; }
name=$(basename "$setup" -setup.exe)
WORK=$QUENLARK_BUILD/e2e/package_installer-$name
SHOTS=$WORK/screenshots
export QUENLARK_WINE_STATE=$WORK/wine
session=$QUENLARK_SOURCE/tests/wine/session
rm -rf "$WORK"
mkdir -p "$SHOTS"
cleanup() {
  local rc=$?
  if [ $rc -ne 0 ] && [ -f "$QUENLARK_WINE_STATE/display" ]; then shot failure || true; fi
  if declare -F kill_quenlark >/dev/null; then kill_quenlark; fi
  "$session" stop >/dev/null 2>&1 || true
  rm -rf "$QUENLARK_WINE_STATE/prefix" "$WORK/files"
  return $rc
}
trap cleanup EXIT

newer=$(awk -F. '{print $1 "." $2 "." $3 + 1}' <<<"$QUENLARK_VERSION")
unzip -q "${setup%-setup.exe}.zip" -d "$WORK/files"
makensis -V1 -WX -DVERSION="$newer" -DARCH="${name##*-}" -DSRCDIR="$WORK/files/$name" \
  -DOUTFILE="$WORK/newer-setup.exe" "$QUENLARK_SOURCE/dist/quenlark.nsi" >/dev/null

"$session" start
# shellcheck source=lib.sh
source "$QUENLARK_SOURCE/tests/e2e/lib.sh"
UNINSTALL='Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenlark'
RUN='Software\Microsoft\Windows\CurrentVersion\Run'
mkdir -p "$WORK/shell-recent" "$WORK/docs"
ShellRecentW=$(winpath "$WORK/shell-recent")
DocsW=$(winpath "$WORK/docs")
drv reg-set 'Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Recent "$ShellRecentW"
reg_set UseFiles 00_Name Alpha

# Runs an installer or uninstaller (its output to a file: the program it
# starts again must not hold this script's pipe) and expects status 0.
run_silent() { wine "$@" >>"$WORK/setup.log" 2>&1 || fail "$* ended with status $?"; }
# Waits for the program to run (the window of a process started by the installer).
wait_running() { drv wait-window TQuenlarkForm "$QL_PATIENCE" || fail "Quenlark is not running"; }
installed() {  # installed VERSION: the files and every entry of an installation
  local name value
  for name in quenlark.exe uninstall.exe readme-en.txt readme-ja.txt; do [ -f "$app/$name" ] || fail "no $name"; done
  while IFS='|' read -r name value; do
    expect_eq "$(drv reg-get "$UNINSTALL" "$name")" "$value" "Uninstall\\Quenlark\\$name"
  done <<EOT
DisplayName|Quenlark
DisplayVersion|$1
Publisher|Kestrow
DisplayIcon|$appW\\quenlark.exe,0
UninstallString|"$appW\\uninstall.exe"
QuietUninstallString|"$appW\\uninstall.exe" /S
NoModify|1
NoRepair|1
EOT
  [ "$(drv reg-get "$UNINSTALL" EstimatedSize)" -gt 100 ] || fail "EstimatedSize too small"
  expect_eq "$(drv reg-get "$RUN" Quenlark)" "\"$appW\\quenlark.exe\"" "start with Windows"
  expect_eq "$(drv resolve "$(winpath "$shortcut")")" "$appW\\quenlark.exe" "the Start menu shortcut's target"
}
capture() {  # capture NAME EXPECTED-HISTORY: a document used is in the history beside the program
  drv touch "$DocsW\\$1.qlt" >/dev/null
  drv shortcut "$ShellRecentW\\$1.qlt.lnk" "$DocsW\\$1.qlt" "$(time_from_now 0)" || fail "cannot write $1.qlt.lnk"
  wait_names "$app/Recent" "$2" 20
}
uninstalled() {  # uninstalled: the program's files and entries are gone
  eventually eval '! drv reg-get "$UNINSTALL" DisplayName >/dev/null 2>&1' || fail "the Uninstall key stays"
  eventually eval '[ ! -e "$app/uninstall.exe" ]' || fail "uninstall.exe stays"
  for f in "$app/quenlark.exe" "$app/readme-en.txt" "$shortcut"; do [ ! -e "$f" ] || fail "$f stays"; done
  ! drv reg-get "$RUN" Quenlark >/dev/null 2>&1 || fail "the start with Windows entry stays"
  expect_eq "$(drv count-windows TQuenlarkForm)" 0 "Quenlark windows after the uninstall"
}

started=$SECONDS
run_silent "$setup" /S
appW=$(drv reg-get "$UNINSTALL" InstallLocation)
[[ $appW == 'C:\users\'*'\AppData\Local\Programs\Quenlark' ]] || fail "installed into $appW"
app=$(winepath -u "$appW" 2>/dev/null)
app=${app%/}
shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Quenlark.lnk' | head -1)
[ -n "$shortcut" ] || fail "no Start menu shortcut"
installed "$QUENLARK_VERSION"
(cd "$app" && exec wine "$appW\\quenlark.exe" >"$WORK/quenlark.log" 2>&1) &
QL_PID=$!
QL_PIDS=$QL_PID
wait_running
wait_tray
capture alpha ALPHA.QLT.lnk
shot installed

history="ALPHA.QLT.lnk"
for next in "$setup:$QUENLARK_VERSION:bravo" "$WORK/newer-setup.exe:$newer:charlie"; do
  IFS=: read -r again version document <<<"$next"
  pid=$(own_quenlark_pids | head -1)
  reg_set System LastMode closing  # the program writes it as it ends of itself
  run_silent "$again" /S
  eventually eval '! kill -0 "$pid" 2>/dev/null' || fail "the running Quenlark was not closed"
  [[ $(reg_get System LastMode) == [01] ]] || fail "Quenlark did not end of itself (LastMode not written)"
  wait_running
  installed "$version"
  history=$(printf '%s\n%s' "$history" "${document^^}.QLT.lnk")
  capture "$document" "$history"
  echo "ok: over a running Quenlark, version $version: history kept, the program runs again"
done
expect_eq "$(reg_get UseFiles 00_Name)" Alpha "a favourite after the upgrades"

run_silent "$app/uninstall.exe" /S
uninstalled
wait_names "$app/Recent" "$history" 5
expect_eq "$(reg_get UseFiles 00_Name)" Alpha "a favourite after the uninstall"

run_silent "$setup" /S /NOAUTOSTART
! drv reg-get "$RUN" Quenlark >/dev/null 2>&1 || fail "/NOAUTOSTART still starts with Windows"
run_silent "$app/uninstall.exe" /S /REMOVEDATA
uninstalled
eventually eval '[ ! -e "$app" ]' || fail "$app stays: $(ls -A "$app")"
! wine reg query 'HKCU\Software\Kestrow' >/dev/null 2>&1 || fail "the settings stay (HKCU\Software\Kestrow)"
echo "installer $name passed in $((SECONDS - started)) s (Wine session started beforehand)"
