# Garbage in every value of the settings (texts "-1", 20 digits, "$FFFFFFFF",
# full-width digits, 100,000 bytes; a DWORD and binary data where texts
# belong) and 200 favourites, a third of them without a name, the others
# with "|" or "&" in their names. The program starts, captures, opens its
# three menus and ends; the registry then holds what was there (only the two
# values written at every exit change) and nothing was lost.
use_shell_folder
S="$QL_KEY\\System"
wide=(); long=()
# Most values go in through one registry file (REGEDIT4: ANSI text); the
# full-width digits and the long texts through the driver.
reg="$WORK/garbage.reg"
{
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\%s\\System]\r\n' "$QL_KEY"
  i=0
  for name in AutoClear DateTimeDisp DateTopDisp DbClickPassWord DriveCheck DriveName ExtCheck ExtDisp ExtName \
      FolderCheck IconDisp LastMode MultiUser NetworkCheck OfficeStyle PassWord PathDiff PathDisp PathDispNumber \
      QuenlarkClick QuenlarkHotKey QuenlarkMenuDisp RecentClick RecentHotKey RecentMax ScanTime SendToRecycle \
      SortSelect StartMode UseFileClick UseFileHotKey Version; do
    case $((i % 7)) in
      0) printf '"%s"="-1"\r\n' "$name" ;;
      1) printf '"%s"="99999999999999999999"\r\n' "$name" ;;
      2) printf '"%s"="$FFFFFFFF"\r\n' "$name" ;;
      3) wide+=("$name") ;;
      4) long+=("$name") ;;
      5) printf '"%s"=dword:ffffffff\r\n' "$name" ;;
      6) printf '"%s"=hex:de,ad,be,ef,00,ff\r\n' "$name" ;;
    esac
    i=$((i + 1))
  done
  printf '\r\n[HKEY_CURRENT_USER\\%s\\UseFiles]\r\n' "$QL_KEY"
  for n in $(seq 0 199); do
    slot=$(printf '%02d' "$n")
    case $((n % 3)) in
      0) printf '"%s_Name"=""\r\n' "$slot" ;;
      1) printf '"%s_Name"="a|b %s"\r\n' "$slot" "$n" ;;
      2) printf '"%s_Name"="x&y %s"\r\n' "$slot" "$n" ;;
    esac
    printf '"%s_File"="C:\\\\f%s.txt"\r\n' "$slot" "$n"
  done
} >"$reg"
wine regedit /S "$(winpath "$reg")" || fail "cannot import the registry file"
for name in "${wide[@]}"; do drv reg-set "$S" "$name" '１２３' || fail "cannot write $name"; done
for name in "${long[@]}"; do drv reg-set-long "$S" "$name" x 100000 || fail "cannot write $name"; done
expect_eq "$(drv reg-count "$S")" "32" "values in System"
expect_eq "$(drv reg-count "$QL_KEY\UseFiles")" "400" "values in UseFiles"
before=$(drv reg-dump "$S"; drv reg-dump "$QL_KEY\\UseFiles")
use_document 'kept.txt.lnk' "$DocsW\\kept.txt" -30

ql_start
wait_tray 20
# Whatever the garbage made of the click table, each menu opens from its
# hot key or a click; the program's menu is reached through the tray.
tray_click right
drv menu-rect 3 >/dev/null && { sleep 0.5; keys Escape; wait_no_menu; echo "ok: a menu from the right click"; }
tray_click left
drv menu-rect 3 >/dev/null && { sleep 0.5; keys Escape; wait_no_menu; echo "ok: a menu from the left click"; }
tray_click left shift
drv menu-rect 3 >/dev/null && { sleep 0.5; keys Escape; wait_no_menu; echo "ok: a menu from shift and the left click"; }
sleep 1
kill -0 "$QL_PID" || fail "the program ended"
drv wait-tray TQuenlarkForm "$(patience 5)" >/dev/null || fail "the tray icon went"
# Garbage AutoClear ("-1") reads as on: the shortcut is cleared only after
# its copy is in the history, which garbage MultiUser puts under the login
# name.
expect_eq "$(ls "$History/$(drv user-name)")" "KEPT.TXT.lnk" "the history"
drv end-session TQuenlarkForm || fail "cannot end the session"
ql_wait_exit 10
after=$(drv reg-dump "$S" && drv reg-dump "$QL_KEY\\UseFiles") || fail "cannot read the registry back"
changed=$({ diff <(echo "$before") <(echo "$after") || true; } | { grep '^[<>]' || true; } | sed 's/^[<>] //; s/ type=.*//' | sort -u | tr '\n' ' ')
expect_eq "$changed" "LastMode SendToRecycle " "the values the run changed (the two written at every exit)"
