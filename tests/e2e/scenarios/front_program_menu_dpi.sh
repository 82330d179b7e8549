# At 144 and 192 dpi the program's menu is drawn 1.5 and 2 times as large as
# at 96 dpi (the program declares itself DPI-aware), its pictures drawn for
# their size, not enlarged pixel by pixel. Each DPI's menus and dialogs are
# shot; Wine reads the DPI when a process starts, so Quenlark is started once
# at each. The dialogs open at the screen's corner, cut to the screen.
DESKTOP_KEY='Control Panel\Desktop'
restore_dpi() { drv reg-set-dword "$DESKTOP_KEY" LogPixels 96 >/dev/null || true; }
trap 'restore_dpi; scenario_teardown' EXIT
use_shell_folder
for n in alpha bravo; do use_document "$n.qlt.lnk" "$DocsW\\$n.qlt" -100; done
reg_set UseFiles 00_Name Alpha && reg_set UseFiles 00_File "$DocsW\\alpha.qlt"

dialog_shot() {  # dialog_shot CLASS NAME: the screen, then the dialog's part of it; closes the dialog
  local l t r b
  wait_visible "$1" 1 5
  read -r l t r b < <(drv window-rect "$1")
  xdotool mousemove $(((l + r) / 2)) $((t + 8)) && sleep 0.5 && shot "$2"  # on the title: no hint
  convert "$SHOTS/$2.png" -crop "$(((r < 1024 ? r : 1024) - l))x$(((b < 768 ? b : 768) - t))+$l+$t" +repage "$SHOTS/${2}_dialog.png"
  keys alt+F4
  wait_visible "$1" 0 5
}

menu_height_at() {  # menu_height_at DPI: sets MENU to the program menu's rectangle
  drv reg-set-dword "$DESKTOP_KEY" LogPixels "$1" >/dev/null || fail "cannot set LogPixels"
  drv reg-delete-key "$QL_KEY\\Position" >/dev/null  # no size kept from another DPI
  for form in TSettingForm TUseFileSettingForm; do reg_set Position $form.Top 0 && reg_set Position $form.Left 0; done
  ql_start
  wait_listing "$HistoryW" "$(printf 'ALPHA.QLT.lnk\nBRAVO.QLT.lnk')" 4
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

dpis=(96 144 192) heights=()
for dpi in "${dpis[@]}"; do
  menu_height_at $dpi
  read -r left top _ bottom <<<"$MENU"
  heights+=($((bottom - top)))
done
restore_dpi
echo "program menu height: ${heights[*]} px at 96, 144 and 192 dpi"
# 1.5 and 2 times, within a few pixels of rounding per row.
for i in 1 2; do
  low=$((heights[0] * (90 + 50 * i))) high=$((heights[0] * (110 + 50 * i)))
  [ $((heights[i] * 100)) -ge $low ] && [ $((heights[i] * 100)) -le $high ] ||
    fail "the menu is ${heights[i]} px high at ${dpis[i]} dpi, not about $((dpis[i] * 10 / 96))/10 x ${heights[0]} px"
done
echo "ok: the menu scales with the DPI"
# At 192 dpi, among the 2 x 2 blocks of the picture column (inside the frame,
# left of the text) that are all picture (the menu's white and its 1-pixel
# lines left out), some are not of one colour however the blocks are aligned.
uneven=$(convert "$SHOTS/program_menu_192dpi.png[40x$((bottom - top - 4))+$((left + 3))+$((top + 2))]" txt:- | awk '
  NR > 1 { split($1, p, /[,:]/); c[p[1], p[2]] = $3; n[$3]++; w = p[1] > w ? p[1] : w; h = p[2] > h ? p[2] : h }
  END { for (k in n) if (n[k] > n[bg]) bg = k
    for (o = 0; o < 4; o++) { odd = 0
      for (y = int(o / 2); y < h; y += 2) for (x = o % 2; x < w; x += 2) {
        a = c[x, y]; b = c[x + 1, y]; d = c[x, y + 1]; e = c[x + 1, y + 1]
        odd += a != bg && b != bg && d != bg && e != bg && (a != b || a != d || a != e) }
      least = o == 0 || odd < least ? odd : least }
    print least }')
[ "$uneven" -gt 0 ] || fail "the menu's pictures at 192 dpi are made of uniform 2 x 2 blocks: enlarged pixel by pixel"
echo "ok: the pictures at 192 dpi are drawn for their size ($uneven uneven blocks at the least)"
