# At 144 dpi the program's menu is drawn half as large again as at 96 dpi:
# the rows, the pictures and the text follow the system DPI (the program
# declares itself DPI-aware). Wine reads the DPI when a process starts, so
# Quenlark is started once at each.
DESKTOP_KEY='Control Panel\Desktop'
restore_dpi() { drv reg-set-dword "$DESKTOP_KEY" LogPixels 96 >/dev/null || true; }
trap 'restore_dpi; scenario_teardown' EXIT

menu_height_at() {  # menu_height_at DPI -> the menu's height in pixels
  drv reg-set-dword "$DESKTOP_KEY" LogPixels "$1" >/dev/null || fail "cannot set LogPixels"
  ql_start
  wait_tray
  tray_click right
  local rect left top right bottom
  rect=$(wait_menu)
  read -r left top right bottom <<<"$rect"
  sleep 0.3
  shot "program_menu_${1}dpi" >&2
  keys Escape
  wait_no_menu
  drv end-session TQuenlarkForm
  ql_wait_exit 5
  echo $((bottom - top))
}

at96=$(menu_height_at 96)
at144=$(menu_height_at 144)
restore_dpi
echo "program menu height: $at96 px at 96 dpi, $at144 px at 144 dpi"
# 1.5 times, within a few pixels of rounding per row.
[ $((at144 * 100)) -ge $((at96 * 140)) ] && [ $((at144 * 100)) -le $((at96 * 160)) ] ||
  fail "the menu at 144 dpi is $at144 px high, not about 1.5 x $at96 px"
echo "ok: the menu scales with the DPI"
