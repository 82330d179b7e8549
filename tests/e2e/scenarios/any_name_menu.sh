# The table's names (any_name.sh) in the menus, newest first: the recent-files
# menu and the clear dialog show them (screenshots any_name_menu and
# any_name_clear); an entry chosen in the menu opens its document by exactly
# its path; the dialog, marks inverted and one row marked by keys, clears
# exactly that entry, or recycles it with the recycle box ticked.
source "$QUENLARK_SOURCE/tests/e2e/any_name.sh"
use_shell_folder
register_recorder
reg_set System ScanTime 1
reg_set System SortSelect 2
an_use_documents
ql_start
wait_names "$History" "$(an_history)" 8
rm -f "$ShellRecent"/*.lnk  # or a scan would capture a cleared entry again
cp -p "$History"/*.lnk "$WORK/"
wait_tray
downs() { for ((k = 0; k < $1; k++)); do echo Down; done; }
for i in "${!AN_NAMES[@]}"; do
  tray_click left
  wait_menu >/dev/null
  [ "$i" -gt 0 ] || { xdotool mousemove 500 300 sleep 0.5; shot any_name_menu; }
  # shellcheck disable=SC2046
  keys $(downs $((i + 1))) Return
  wait_recorded "args=\"$DocsW\\${AN_NAMES[i]}.qlt\"|" 10
done
clear_row() {  # clear_row ROW-IN-THE-DIALOG [space: recycle]
  tray_click right
  wait_menu >/dev/null
  keys Down Down Down Right Down Return
  wait_visible TSelectClearForm 1 5
  [ -f "$SHOTS/any_name_clear.png" ] || { xdotool mousemove 5 5 sleep 0.5; shot any_name_clear; }
  keys_to TSelectClearForm
  # shellcheck disable=SC2046
  keys "alt+$(in_face r i)" Tab Tab Tab ${2:-} Tab $(downs "$1") space alt+c  # Invert, then the rows
  drv message-box TSelectClearForm "$(patience 5)" >/dev/null || fail "no confirmation"
  keys Left Return
  wait_visible TSelectClearForm 0 5
}
trash="$XDG_DATA_HOME/Trash/files/${AN_UPPER[4]}.QLT.lnk"
rm -f "$XDG_DATA_HOME/Trash/"*/"${AN_UPPER[4]}.QLT.lnk"*
clear_row 0
wait_names "$History" "$(an_history 1 2 3 4 5 6)" 5
clear_row 3 space
wait_names "$History" "$(an_history 1 2 3 5 6)" 5
cmp "$WORK/${AN_UPPER[4]}.QLT.lnk" "$trash" && [ ! -e "${trash%/*}/${AN_UPPER[0]}.QLT.lnk" ] || fail "recycled wrong"
rm -f "$XDG_DATA_HOME/Trash/"*/"${AN_UPPER[4]}.QLT.lnk"*
