# The selective clear dialog in the shell mode (submenu ｽﾀｰﾄﾒﾆｭｰ) with the
# recycle box ticked by a click: the two checked shortcuts leave the shell's
# folder for the recycle bin (Wine's: the trash folder under XDG_DATA_HOME),
# the third stays; the history, filled by the scan before the dialog opened,
# keeps all three; SendToRecycle is written at exit.
use_shell_folder
Trash="$XDG_DATA_HOME/Trash"
# Wine gives a recycled file a suffixed name when its name is taken in the
# trash (files or info): earlier runs' leftovers go first.
empty_trash() {
  local n
  for n in alpha bravo charlie; do rm -f "$Trash/files/$n.txt.lnk"* "$Trash/info/$n.txt.lnk"*; done
}
empty_trash
# A long scan interval: the scan that captures the documents is the one the
# clear command runs before it opens the dialog.
reg_set System ScanTime 60
ql_start
wait_tray
use_document 'alpha.txt.lnk' "$DocsW\\alpha.txt" -90
use_document 'bravo.txt.lnk' "$DocsW\\bravo.txt" -60
use_document 'charlie.txt.lnk' "$DocsW\\charlie.txt" -30

GroupBox=100
List=101
SendToRecycleCheckBox=106

tray_click right
wait_menu >/dev/null
keys Down Down Down Right Return
wait_visible TSelectClearForm 1 5
sleep 0.5
expect_soon "[最近使ったﾌｧｲﾙ]の一覧  (3/3)" "counter when opened" drv control-text TSelectClearForm $GroupBox
wait_listing "$HistoryW" $'ALPHA.TXT.lnk\nBRAVO.TXT.lnk\nCHARLIE.TXT.lnk' 1

# The first row (alpha) clicked on its text, the recycle box clicked on.
read -r l t _ _ < <(drv control-rect TSelectClearForm $List)
xdotool mousemove $((l + 60)) $((t + 8))
sleep 0.2
xdotool click 1
sleep 0.5
expect_soon "[最近使ったﾌｧｲﾙ]の一覧  (2/3)" "counter after the click" drv control-text TSelectClearForm $GroupBox
read -r l t _ b < <(drv control-rect TSelectClearForm $SendToRecycleCheckBox)
xdotool mousemove $((l + 7)) $(((t + b) / 2))
sleep 0.2
xdotool click 1
sleep 0.5
expect_soon "1" "recycle box ticked" drv control-send TSelectClearForm $SendToRecycleCheckBox 0xF0 0 0

keys alt+c
drv message-box TSelectClearForm "$(patience 5)" >/dev/null || fail "no confirmation"
keys Left Return
wait_visible TSelectClearForm 0 5
wait_listing "$ShellRecentW" 'alpha.txt.lnk' 5
for n in bravo charlie; do
  [ -f "$Trash/files/$n.txt.lnk" ] || fail "$n.txt.lnk is not in the trash ($Trash/files)"
  expect_eq "$(grep '^Path=' "$Trash/info/$n.txt.lnk.trashinfo")" "Path=$ShellRecent/$n.txt.lnk" \
    "where the trash says $n came from"
done
expect_eq "$(ls "$Trash/files" | grep -c '^alpha')" "0" "alpha is not in the trash"
expect_eq "$(list_folder "$HistoryW" | wc -l)" "3" "history entries kept"
empty_trash

drv end-session TQuenlarkForm
ql_wait_exit 5
expect_eq "$(reg_get System SendToRecycle)" "1" "SendToRecycle at exit"
