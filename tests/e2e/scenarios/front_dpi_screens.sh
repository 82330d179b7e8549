# The program's menu, a recent-files menu, the settings dialog and the
# favourites editor at 96, 144 and 192 dpi: the menu is drawn half as large
# again at 144 dpi and twice as large at 192 (the program declares itself
# DPI-aware), its pictures made for the size rather than enlarged pixel by
# pixel. Wine reads the DPI when a process starts, so Quenlark is started
# once at each. The 1024x768 desktop holds neither dialog whole at 192 dpi:
# each is shot from the screen's top-left corner, cut to the screen.
DESKTOP_KEY='Control Panel\Desktop'
restore_dpi() { drv reg-set-dword "$DESKTOP_KEY" LogPixels 96 >/dev/null || true; }
trap 'restore_dpi; scenario_teardown' EXIT
use_shell_folder
register_recorder
reg_set System ScanTime 1
for n in alpha bravo charlie; do use_document "$n.qlt.lnk" "$DocsW\\$n.qlt" -100; done
reg_set UseFiles 00_Name 'Alpha' && reg_set UseFiles 00_File "$DocsW\\alpha.qlt"
reg_set UseFiles 01_Name 'Docs' && reg_set UseFiles 01_File "$DocsW"

dialog_shot() {  # dialog_shot CLASS NAME: the screen, the dialog cut from it, then closed
  local l t r b
  wait_visible "$1" 1 5
  read -r l t r b < <(drv window-rect "$1")
  xdotool mousemove $(((l + r) / 2)) $((t + 8))  # on the title bar: no hint shows
  sleep 0.5
  shot "$2"
  l=$((l < 0 ? 0 : l)) t=$((t < 0 ? 0 : t)) r=$((r > 1024 ? 1024 : r)) b=$((b > 768 ? 768 : b))
  convert "$SHOTS/$2.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$SHOTS/${2}_dialog.png"
  keys alt+F4
  wait_visible "$1" 0 5
}

# The pointer leaves the tray icon first: its hint would cover the menu.
menu_shot() { xdotool mousemove 500 300 && sleep 0.5 && shot "$1"; }

shots_at() {  # shots_at DPI; sets MENU to the program menu's rectangle
  drv reg-set-dword "$DESKTOP_KEY" LogPixels "$1" >/dev/null || fail "cannot set LogPixels"
  # The dialogs at their designed size for the DPI (a size kept from another
  # DPI's run would be taken as it is), at the screen's top-left corner.
  drv reg-delete-key "$QL_KEY\\Position" >/dev/null
  for form in TSettingForm TUseFileSettingForm; do reg_set Position $form.Top 0 && reg_set Position $form.Left 0; done
  ql_start
  wait_listing "$HistoryW" "$(printf 'ALPHA.QLT.lnk\nBRAVO.QLT.lnk\nCHARLIE.QLT.lnk')" 4
  wait_tray
  tray_click left
  wait_menu >/dev/null
  menu_shot "recent_menu_${1}dpi"
  keys Escape
  wait_no_menu
  tray_click right
  MENU=$(wait_menu)
  menu_shot "program_menu_${1}dpi"
  keys Down Return
  dialog_shot TSettingForm "settings_${1}dpi"
  tray_click right
  wait_menu >/dev/null
  keys Down Down Return
  dialog_shot TUseFileSettingForm "favourites_editor_${1}dpi"
  drv end-session TQuenlarkForm
  ql_wait_exit 5
}

height() { echo $(($4 - $2)); }
shots_at 96
at96=$(height $MENU)
shots_at 144
at144=$(height $MENU)
shots_at 192
at192=$(height $MENU)
menu192=$MENU
restore_dpi
echo "program menu height: $at96 px at 96 dpi, $at144 at 144, $at192 at 192"
# 1.5 and 2 times, within a few pixels of rounding per row.
[ $((at144 * 100)) -ge $((at96 * 140)) ] && [ $((at144 * 100)) -le $((at96 * 160)) ] ||
  fail "the menu at 144 dpi is $at144 px high, not about 1.5 x $at96 px"
[ $((at192 * 100)) -ge $((at96 * 190)) ] && [ $((at192 * 100)) -le $((at96 * 210)) ] ||
  fail "the menu at 192 dpi is $at192 px high, not about 2 x $at96 px"
echo "ok: the menu scales with the DPI"

# The pictures at 192 dpi are drawn for their size, not their 96-dpi pixels
# doubled: in the picture column (inside the frame, left of the text), among
# the 2 x 2 blocks that are all picture (the menu's white and its 1-pixel
# lines left out), some are not of one colour however the blocks are aligned.
read -r left top _ bottom <<<"$menu192"
uneven=$(convert "$SHOTS/program_menu_192dpi.png[40x$((bottom - top - 4))+$((left + 3))+$((top + 2))]" txt:- | awk '
  NR > 1 { split($1, p, /[,:]/); c[p[1], p[2]] = $3; n[$3]++; w = p[1] > w ? p[1] : w; h = p[2] > h ? p[2] : h }
  END {
    for (k in n) if (n[k] > n[bg]) bg = k
    for (o = 0; o < 4; o++) {
      odd = 0
      for (y = int(o / 2); y < h; y += 2) for (x = o % 2; x < w; x += 2) {
        a = c[x, y]; b = c[x + 1, y]; d = c[x, y + 1]; e = c[x + 1, y + 1]
        if (a != bg && b != bg && d != bg && e != bg && (a != b || a != d || a != e)) odd++
      }
      least = o == 0 || odd < least ? odd : least
    }
    print least
  }')
[ "$uneven" -gt 0 ] || fail "the menu's pictures at 192 dpi are made of uniform 2 x 2 blocks: enlarged pixel by pixel"
echo "ok: the pictures at 192 dpi are drawn for their size ($uneven uneven blocks at the least)"
