# Names code page 932 cannot spell in the recent-files menu (table in
# any_name.sh), newest first: the menu draws each real name (screenshot
# any_name_menu), and choosing an entry opens its document with exactly its
# path, as the recorder's wide command line shows.
source "$QUENLARK_SOURCE/tests/e2e/any_name.sh"
use_shell_folder
register_recorder
reg_set System ScanTime 1
reg_set System SortSelect 2
an_use_documents 4
ql_start
wait_names "$History" "$(an_history)" 8
wait_tray
tray_click left
wait_menu >/dev/null
# The pointer leaves the icon, so no hint shows over the menu.
xdotool mousemove 500 300
sleep 0.5
shot any_name_menu
keys Escape
wait_no_menu
for i in "${!AN_NAMES[@]}"; do
  tray_click left
  wait_menu >/dev/null
  # shellcheck disable=SC2046
  keys $(printf 'Down %.0s' $(seq 0 "$i")) Return
  wait_no_menu
  wait_opened "$DocsW\\${AN_NAMES[i]}.qlt"
done
kill -0 "$QL_PID" || fail "the program ended"
drv end-session TQuenlarkForm
ql_wait_exit 5
