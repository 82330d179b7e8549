# Shift + left click opens the favourites: a submenu, a favourite opened by a
# program of its own (its path, which holds a blank, arrives as one quoted
# argument, also when it ends in a backslash), and the program's menu
# appended, whose exit command ends Quenlark.
use_shell_folder
register_recorder
mkdir -p "$Docs/my folder"
use_document 'fa.qlt.lnk' "$DocsW\\fa.qlt" -10
reg_set UseFiles 00_Name '>'
reg_set UseFiles 00_File 'Docs'
reg_set UseFiles 01_Name 'Fav A'
reg_set UseFiles 01_File "$DocsW\\fa.qlt"
reg_set UseFiles 02_Name '<'
reg_set UseFiles 03_Name 'My folder'
reg_set UseFiles 03_File "$DocsW\\my folder"
reg_set UseFiles 03_Execute "$RecorderW"
reg_set UseFiles 04_Name 'My folder\'
reg_set UseFiles 04_File "$DocsW\\my folder\\"
reg_set UseFiles 04_Execute "$RecorderW"
ql_start
wait_tray
tray_click left shift
wait_menu >/dev/null
keys Down Right
sleep 0.5
shot favourites_submenu
keys Return
wait_recorded 'fa.qlt' 10

tray_click left shift
wait_menu >/dev/null
keys Down Down Return
wait_recorded "args=\"$DocsW\\my folder\"|cwd=$DocsW\\my folder" 10
wait_recorded "argv=[$DocsW\\my folder]" 10

# The path that ends in a backslash reaches the program's C runtime intact.
tray_click left shift
wait_menu >/dev/null
keys Down Down Down Return
wait_recorded "argv=[$DocsW\\my folder\\]" 10

# The appendix is the last item; its last command is the exit.
tray_click left shift
wait_menu >/dev/null
keys Up Right
sleep 0.5
shot favourites_appendix
keys Up Return
ql_wait_exit 10
expect_eq "$(reg_get System LastMode)" "1" "LastMode written at exit"
