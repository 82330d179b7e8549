# The selective clear dialog from the program's menu (submenu Quenlark): all
# three history entries listed and checked, one unchecked by a click on its
# text, Alt+C and Yes: the two checked entries' shortcut files are gone from
# the history folder, the third is kept, the documents are untouched.
use_shell_folder
reg_set System ScanTime 1
ql_start
wait_tray
use_document 'alpha.txt.lnk' "$DocsW\\alpha.txt" -90
use_document 'bravo.txt.lnk' "$DocsW\\bravo.txt" -60
use_document 'charlie.txt.lnk' "$DocsW\\charlie.txt" -30
wait_listing "$HistoryW" $'ALPHA.TXT.lnk\nBRAVO.TXT.lnk\nCHARLIE.TXT.lnk' 8
# Once captured, the shell's shortcuts go: a cleared entry newer than the
# newest one kept would rightly be captured again by the next scan.
rm -f "$ShellRecent"/*.lnk

GroupBox=100
List=101
LVM_GETITEMCOUNT=0x1004
LVM_APPROXIMATEVIEWRECT=0x1040

tray_click right
wait_menu >/dev/null
keys Down Down Down Right Down Return
wait_visible TSelectClearForm 1 5
sleep 0.5
expect_soon "$(in_face "[最近使ったﾌｧｲﾙ]の一覧  (3/3)" "C&hecked  (3/3)")" "counter when opened" drv control-text TSelectClearForm $GroupBox
expect_soon "3" "rows" drv control-send TSelectClearForm $List $LVM_GETITEMCOUNT 0 0
expect_english_window TSelectClearForm

# The second row (bravo, by name) clicked on its text: unchecked.
read -r l t _ _ < <(drv control-rect TSelectClearForm $List)
one=$(drv control-send TSelectClearForm $List $LVM_APPROXIMATEVIEWRECT 1 -1)
two=$(drv control-send TSelectClearForm $List $LVM_APPROXIMATEVIEWRECT 2 -1)
row=$(( (two >> 16) - (one >> 16) ))
[ "$row" -gt 0 ] || fail "row height not known ($one, $two)"
xdotool mousemove $((l + 60)) $((t + 2 + row + row / 2))
sleep 0.2
xdotool click 1
sleep 0.5
expect_soon "$(in_face "[最近使ったﾌｧｲﾙ]の一覧  (2/3)" "C&hecked  (2/3)")" "counter after the click" drv control-text TSelectClearForm $GroupBox
# The pointer leaves the list, so the screenshot shows no tooltip over it.
xdotool mousemove 5 5
sleep 0.5
shot select_clear
read -r l t r b < <(drv window-rect TSelectClearForm)
convert "$SHOTS/select_clear.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$SHOTS/select_clear_dialog.png"

keys alt+c
expect_eq "$(drv message-box TSelectClearForm "$(patience 5)" | tr '\n' '|')" "$(in_face "ｸﾘｱ確認|ﾁｪｯｸされている[最近使ったﾌｧｲﾙ]をｸﾘｱしますか？|" \
  "Confirm Clear|Clear the checked items?|")" \
  "the confirmation"
# No (the default) keeps the dialog open; then Yes.
keys Return
sleep 0.5
expect_eq "$(drv visible-windows TSelectClearForm)" "1" "dialogs after No"
expect_eq "$(list_folder "$HistoryW" | wc -l)" "3" "history entries after No"
keys alt+c
drv message-box TSelectClearForm "$(patience 5)" >/dev/null || fail "no confirmation"
keys Left Return
wait_visible TSelectClearForm 0 5
wait_listing "$HistoryW" 'BRAVO.TXT.lnk' 5
expect_eq "$(list_folder "$DocsW" | tr '\n' ' ')" "alpha.txt bravo.txt charlie.txt " "documents untouched"
kill -0 "$QL_PID" || fail "the program ended"
