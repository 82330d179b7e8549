#!/usr/bin/env bash
# The installer (quenlark-<version>-<arch>-setup.exe) run silently, as a
# package manager runs it, in a fresh Wine prefix and Xvfb display of its own
# (removed at the end): installed (files, Start menu shortcut, start with
# Windows, the Uninstall key), the program captures a document; the same
# version and a newer build installed over the running program, which ends
# of itself and runs again with its history and settings; an uninstall that
# keeps them and one with /REMOVEDATA that leaves nothing of Quenlark.
#   package_installer.sh SETUP-EXE      (environment as package_zip.sh's)
set -euo pipefail
setup=${1:?the installer}
[ -f "$setup" ] || { echo "FAIL: no installer $setup (scripts/package makes it)" >&2; exit 1; }
name=$(basename "$setup" -setup.exe)
WORK=$QUENLARK_BUILD/e2e/package_installer-$name SHOTS=$QUENLARK_BUILD/e2e/package_installer-$name/screenshots
export QUENLARK_WINE_STATE=$WORK/wine
session=$QUENLARK_SOURCE/tests/wine/session
rm -rf "$WORK" && mkdir -p "$SHOTS" "$WORK/recent" "$WORK/docs"
# At the end: a shot of a failure, then only this test's processes and session ended.
trap 'rc=$?; [ $rc = 0 ] || shot failure || true; ! declare -F kill_quenlark >/dev/null || kill_quenlark
  "$session" stop >/dev/null 2>&1; rm -rf "$QUENLARK_WINE_STATE/prefix" "$WORK/files"; exit $rc' EXIT
# The newer build: the zip's files with the next version.
newer=$(awk -F. '{print $1 "." $2 "." $3 + 1}' <<<"$QUENLARK_VERSION")
unzip -q "${setup%-setup.exe}.zip" -d "$WORK/files"
makensis -V1 -WX -DVERSION="$newer" -DARCH="${name##*-}" -DSRCDIR="$WORK/files/$name" \
  -DOUTFILE="$WORK/newer-setup.exe" "$QUENLARK_SOURCE/dist/quenlark.nsi" >/dev/null
"$session" start
# shellcheck source=lib.sh
source "$QUENLARK_SOURCE/tests/e2e/lib.sh"
UNINSTALL='Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenlark' RUN='Software\Microsoft\Windows\CurrentVersion\Run'
drv reg-set 'Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Recent "$(winpath "$WORK/recent")"
reg_set UseFiles 00_Name Alpha
# Output to a file: a program the installer starts must not hold this script's pipe.
run_silent() { wine "$@" >>"$WORK/setup.log" 2>&1 || fail "$* ended with status $?"; }
absent() { ! drv reg-get "$1" "$2" >/dev/null 2>&1; }
installed() {  # installed VERSION
  local value
  for value in "DisplayName|Quenlark" "DisplayVersion|$1" "Publisher|Kestrow" "DisplayIcon|$appW\\quenlark.exe,0" \
    "UninstallString|\"$appW\\uninstall.exe\"" "QuietUninstallString|\"$appW\\uninstall.exe\" /S" "NoModify|1" "NoRepair|1"; do
    expect_eq "$(drv reg-get "$UNINSTALL" "${value%%|*}")" "${value#*|}" "Uninstall\\Quenlark\\${value%%|*}"
  done
  [ "$(drv reg-get "$UNINSTALL" EstimatedSize)" -gt 200 ] || fail "EstimatedSize too small"
  expect_eq "$(drv reg-get "$RUN" Quenlark)" "\"$appW\\quenlark.exe\"" "start with Windows"
  expect_eq "$(drv resolve "$(winpath "$shortcut")")" "$appW\\quenlark.exe" "the Start menu shortcut's target"
  drv wait-window TQuenlarkForm "$QL_PATIENCE" || fail "Quenlark is not running"
}
capture() {  # capture NAME: a document used enters the history beside the program
  drv touch "$(winpath "$WORK/docs/$1.qlt")" >/dev/null
  drv shortcut "$(winpath "$WORK/recent/$1.qlt.lnk")" "$(winpath "$WORK/docs/$1.qlt")" "$(time_from_now 0)" || fail "no $1.qlt.lnk"
  history=$(printf '%s\n%s' "$history" "${1^^}.QLT.lnk" | sed '/^$/d')
  wait_names "$app/Recent" "$history" 20
}
uninstalled() {  # the program's files and entries are gone, the program ended
  eventually absent "$UNINSTALL" DisplayName || fail "the Uninstall key stays"
  eventually eval '[ ! -e "$app/uninstall.exe" ]' || fail "uninstall.exe stays"
  for f in quenlark.exe readme-en.txt readme-ja.txt; do [ ! -e "$app/$f" ] || fail "$f stays"; done
  [ ! -e "$shortcut" ] && absent "$RUN" Quenlark || fail "the shortcut or the start with Windows value stays"
  expect_eq "$(drv count-windows TQuenlarkForm)" 0 "Quenlark windows after the uninstall"
}

started=$SECONDS history=
run_silent "$setup" /S
appW=$(drv reg-get "$UNINSTALL" InstallLocation)
[[ $appW == 'C:\users\'*'\AppData\Local\Programs\Quenlark' ]] || fail "installed into $appW"
app=$(winepath -u "$appW" 2>/dev/null) && app=${app%/}
shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Quenlark.lnk')
(cd "$app" && exec wine "$appW\\quenlark.exe" >"$WORK/quenlark.log" 2>&1) &
QL_PIDS=$!
installed "$QUENLARK_VERSION"
capture alpha
for next in "$setup:$QUENLARK_VERSION:bravo" "$WORK/newer-setup.exe:$newer:charlie"; do
  IFS=: read -r again version document <<<"$next"
  pid=$(own_quenlark_pids)
  reg_set System LastMode closing  # written again as the program ends of itself
  run_silent "$again" /S
  for p in $pid; do eventually eval "! kill -0 $p 2>/dev/null" || fail "the running Quenlark was not closed"; done
  [[ $(reg_get System LastMode) == [01] ]] || fail "Quenlark did not end of itself"
  installed "$version" && capture "$document"
done
expect_eq "$(reg_get UseFiles 00_Name)" Alpha "a favourite after the upgrades"
run_silent "$app/uninstall.exe" /S
uninstalled && wait_names "$app/Recent" "$history" 5
expect_eq "$(reg_get UseFiles 00_Name)" Alpha "a favourite after the uninstall"
run_silent "$setup" /S /NOAUTOSTART
absent "$RUN" Quenlark || fail "/NOAUTOSTART still starts with Windows"
run_silent "$app/uninstall.exe" /S /REMOVEDATA
uninstalled && { eventually eval '[ ! -e "$app" ]' || fail "$app stays: $(ls -A "$app")"; }
! wine reg query 'HKCU\Software\Kestrow' >/dev/null 2>&1 || fail "HKCU\\Software\\Kestrow stays"
echo "installer $name passed in $((SECONDS - started)) s after the session's start"
