# Names code page 932 cannot spell in the menus (table in any_name.sh),
# newest first: the recent-files menu and the selective clear dialog show
# the real names (screenshots any_name_menu, any_name_clear); the dialog, its
# marks inverted and one row marked by keys, clears exactly that entry, or
# with the recycle box ticked moves exactly that one to the recycle bin; an
# entry chosen in the menu opens its document by exactly its path.
source "$QUENLARK_SOURCE/tests/e2e/any_name.sh"
use_shell_folder
register_recorder
reg_set System ScanTime 1
reg_set System SortSelect 2
an_use_documents
ql_start
wait_names "$History" "$(an_history)" 8
# Captured, the shell's shortcuts go, so that no cleared entry comes back.
rm -f "$ShellRecent"/*.lnk
cp -p "$History"/*.lnk "$WORK/"
wait_tray
tray_click left
wait_menu >/dev/null
xdotool mousemove 500 300 sleep 0.5
shot any_name_menu
keys Escape

downs() { for ((k = 0; k < $1; k++)); do echo Down; done; }
# Clears the entry in the dialog's row ROW (from 0), recycles it with "space".
clear_row() {  # clear_row ROW [space]
  tray_click right
  wait_menu >/dev/null
  keys Down Down Down Right Down Return
  wait_visible TSelectClearForm 1 5
  [ -f "$SHOTS/any_name_clear.png" ] || { xdotool mousemove 5 5 sleep 0.5; shot any_name_clear; }
  # shellcheck disable=SC2046
  keys alt+r Tab Tab Tab ${2:-} Tab $(downs "$1") space alt+c
  drv message-box TSelectClearForm "$(patience 5)" >/dev/null || fail "no confirmation"
  keys Left Return
  wait_visible TSelectClearForm 0 5
}
rm -f "$XDG_DATA_HOME/Trash/"*/"${AN_UPPER[4]}.QLT.lnk"*
clear_row 0
wait_names "$History" "$(an_history 1 2 3 4 5 6)" 5
clear_row 3 space
wait_names "$History" "$(an_history 1 2 3 5 6)" 5
cmp "$WORK/${AN_UPPER[4]}.QLT.lnk" "$XDG_DATA_HOME/Trash/files/${AN_UPPER[4]}.QLT.lnk" || fail "not recycled"
[ ! -e "$XDG_DATA_HOME/Trash/files/${AN_UPPER[0]}.QLT.lnk" ] || fail "recycled, not cleared"

row=0
for i in 1 2 3 5 6; do
  tray_click left
  wait_menu >/dev/null
  row=$((row + 1))
  # shellcheck disable=SC2046
  keys $(downs $row) Return
  wait_recorded "args=\"$DocsW\\${AN_NAMES[i]}.qlt\"|" 10
done
rm -f "$XDG_DATA_HOME/Trash/"*/"${AN_UPPER[4]}.QLT.lnk"*
