# Names code page 932 cannot spell in the selective clear dialog (history
# mode; table in any_name.sh, newest first): every row shows the real name
# (screenshot any_name_clear_dialog); with the marks inverted and one row
# clicked, exactly that entry is cleared; the same with the recycle box
# ticked moves exactly that entry to the recycle bin, byte for byte.
source "$QUENLARK_SOURCE/tests/e2e/any_name.sh"
use_shell_folder
Trash="$XDG_DATA_HOME/Trash"
reg_set System ScanTime 1
reg_set System SortSelect 2
an_use_documents 4
ql_start
wait_tray
wait_names "$History" "$(an_history)" 8
# Once captured, the shell's shortcuts go: a cleared entry newer than the
# newest one kept would rightly be captured again by the next scan.
rm -f "$ShellRecent"/*.lnk
cp -p "$History"/*.lnk "$WORK/"
documents=$(names "$Docs")

GroupBox=100
List=101
SendToRecycleCheckBox=106
LVM_APPROXIMATEVIEWRECT=0x1040

# Clears (or, with "recycle", recycles) the entry of table row ROW alone.
clear_row() {  # clear_row ROW [recycle]
  local row=$1 rows=${#AN_NAMES[@]} l t one two height
  tray_click right
  wait_menu >/dev/null
  keys Down Down Down Right Down Return
  wait_visible TSelectClearForm 1 5
  expect_soon "$(for i in "${!AN_NAMES[@]}"; do
      [ -e "$History/${AN_UPPER[i]}.QLT.lnk" ] && printf '1\t%s.qlt\n' "${AN_NAMES[i]}"; done)" \
    "the dialog's rows" drv list-items TSelectClearForm $List
  rows=$(drv list-items TSelectClearForm $List | wc -l)
  keys alt+r
  expect_soon "[最近使ったﾌｧｲﾙ]の一覧  (0/$rows)" "counter inverted" drv control-text TSelectClearForm $GroupBox
  # The row's place in the list: the rows before it that are still there.
  local place=0 i
  for ((i = 0; i < row; i++)); do [ -e "$History/${AN_UPPER[i]}.QLT.lnk" ] && place=$((place + 1)); done
  read -r l t _ _ < <(drv control-rect TSelectClearForm $List)
  one=$(drv control-send TSelectClearForm $List $LVM_APPROXIMATEVIEWRECT 1 -1)
  two=$(drv control-send TSelectClearForm $List $LVM_APPROXIMATEVIEWRECT 2 -1)
  height=$(( (two >> 16) - (one >> 16) ))
  [ "$height" -gt 0 ] || fail "row height not known ($one, $two)"
  xdotool mousemove $((l + 60)) $((t + 2 + place * height + height / 2))
  sleep 0.2
  xdotool click 1
  expect_soon "[最近使ったﾌｧｲﾙ]の一覧  (1/$rows)" "counter after the click" drv control-text TSelectClearForm $GroupBox
  expect_eq "$(drv list-items TSelectClearForm $List | grep '^1')" "$(printf '1\t%s.qlt' "${AN_NAMES[row]}")" "the row checked"
  if [ "${2:-}" = recycle ]; then
    read -r l t _ b < <(drv control-rect TSelectClearForm $SendToRecycleCheckBox)
    xdotool mousemove $((l + 7)) $(((t + b) / 2))
    sleep 0.2
    xdotool click 1
    expect_soon "1" "recycle box ticked" drv control-send TSelectClearForm $SendToRecycleCheckBox 0xF0 0 0
  fi
  xdotool mousemove 5 5
  sleep 0.5
  keys alt+c
  drv message-box TSelectClearForm "$(patience 5)" >/dev/null || fail "no confirmation"
  keys Left Return
  wait_visible TSelectClearForm 0 5
}

# The dialog as it opens, every row checked: a screenshot of it.
tray_click right
wait_menu >/dev/null
keys Down Down Down Right Down Return
wait_visible TSelectClearForm 1 5
expect_soon "[最近使ったﾌｧｲﾙ]の一覧  (7/7)" "counter when opened" drv control-text TSelectClearForm $GroupBox
xdotool mousemove 5 5
sleep 0.5
shot any_name_clear
read -r l t r b < <(drv window-rect TSelectClearForm)
convert "$SHOTS/any_name_clear.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$SHOTS/any_name_clear_dialog.png"
keys Escape
wait_visible TSelectClearForm 0 5

cleared=0 recycled=4  # 波〜線, 한국어
trashed="$Trash/files/${AN_UPPER[recycled]}.QLT.lnk"
rm -f "$trashed"* "$Trash/info/${AN_UPPER[recycled]}.QLT.lnk"*
clear_row $cleared
wait_names "$History" "$(an_history 1 2 3 4 5 6)" 5
clear_row $recycled recycle
wait_names "$History" "$(an_history 1 2 3 5 6)" 5
cmp "$trashed" "$WORK/${AN_UPPER[recycled]}.QLT.lnk" || fail "the recycle bin holds no copy of ${AN_UPPER[recycled]}.QLT.lnk"
expect_eq "$(find "$Trash/files" -name "${AN_UPPER[cleared]}*")" "" "${AN_UPPER[cleared]}.QLT.lnk deleted, not recycled"
rm -f "$trashed"* "$Trash/info/${AN_UPPER[recycled]}.QLT.lnk"*
expect_eq "$(names "$Docs")" "$documents" "the documents"
kill -0 "$QL_PID" || fail "the program ended"
