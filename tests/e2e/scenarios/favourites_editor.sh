# The favourites editor from the program's menu: an entry typed and added,
# selected with a click and moved down with the arrow button, deleted with
# the Delete key and a Yes, a file dropped on the window; after each step the
# favourites menu, opened from the tray while the editor stays open, launches
# the entry now at its top. Closing saves; the editor opens again with the
# same rows.
use_shell_folder
register_recorder
for n in fa fb fc fd fe; do drv touch "$DocsW\\$n.qlt" >/dev/null || fail "cannot create $n.qlt"; done
reg_set UseFiles 00_Name 'Alpha'
reg_set UseFiles 00_File "$DocsW\\fa.qlt"
reg_set UseFiles 01_Name '>'
reg_set UseFiles 01_File 'Docs'
reg_set UseFiles 02_Name 'Charlie'
reg_set UseFiles 02_File "$DocsW\\fc.qlt"
reg_set UseFiles 03_Name '<'
ql_start
wait_tray

NameEdit=101
FileEdit=105
DownSpeedButton=117
List=118
StatusBar=119
LB_GETCOUNT=0x018B
LB_GETITEMHEIGHT=0x01A1
LB_GETSEL=0x0187

# The first favourite of the menu, launched: its document reaches the recorder.
first_favourite_is() {
  tray_click left shift
  wait_menu >/dev/null
  keys Down Return
  wait_recorded "$1" 10
  rm -f "$RecorderLog"
}

# The status bar's count of favourites.
status() { in_face "登録ﾌｧｲﾙ/ﾌｫﾙﾀﾞ数 : $1個" "Menu rows: $1"; }

tray_click right
wait_menu >/dev/null
keys Down Down Return
wait_visible TUseFileSettingForm 1 5
sleep 0.5
expect_soon "$(status 4)" "status when opened" drv control-text TUseFileSettingForm $StatusBar
expect_english_window TUseFileSettingForm

# Typed into the fields (the labels' letters move the focus), added with Alt+A:
# without a current row the entry goes to the top.
read -r l t r b < <(drv control-rect TUseFileSettingForm $NameEdit)
xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
sleep 0.3
xdotool type --delay 30 ' Bravo '
keys alt+f
xdotool type --delay 20 "$DocsW\\fb.qlt"
keys alt+a
sleep 0.5
expect_soon "$(status 5)" "status after adding" drv control-text TUseFileSettingForm $StatusBar
expect_soon "" "fields emptied after adding" drv control-text TUseFileSettingForm $NameEdit
first_favourite_is 'fb.qlt'

# The new top row selected with a click and moved down with the arrow.
read -r l t r b < <(drv control-rect TUseFileSettingForm $List)
row=$(drv control-send TUseFileSettingForm $List $LB_GETITEMHEIGHT 0 0)
xdotool mousemove $((l + 40)) $((t + 2 + row / 2)) click 1
sleep 0.3
expect_soon "Bravo" "the clicked row's name in the field" drv control-text TUseFileSettingForm $NameEdit
read -r l t r b < <(drv control-rect TUseFileSettingForm $DownSpeedButton)
xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
sleep 0.5
expect_soon "1" "the moved row stays selected" drv control-send TUseFileSettingForm $List $LB_GETSEL 1 0
first_favourite_is 'fa.qlt'
xdotool mousemove 5 5
sleep 0.3
shot favourites_editor
read -r l t r b < <(drv window-rect TUseFileSettingForm)
convert "$SHOTS/favourites_editor.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$SHOTS/favourites_editor_dialog.png"

# The Delete key in the list asks about the selected row; No is the default.
read -r l t r b < <(drv control-rect TUseFileSettingForm $List)
xdotool mousemove $((l + 40)) $((t + 2 + row + row / 2)) click 1
sleep 0.3
keys Delete
expect_eq "$(drv message-box TUseFileSettingForm "$(patience 5)" | tr '\n' '|')" \
  "$(in_face "削除確認|“Bravo  ==>  $DocsW\\fb.qlt” を削除しますか？|" \
    "Confirm Remove|Remove \"Bravo  ==>  $DocsW\\fb.qlt\"?|")" "the question"
keys Return
sleep 0.5
expect_eq "$(drv control-send TUseFileSettingForm $List $LB_GETCOUNT 0 0)" "5" "rows after No"
keys Delete
drv message-box TUseFileSettingForm "$(patience 5)" >/dev/null || fail "no question"
keys Left Return
sleep 0.5
expect_soon "$(status 4)" "status after deleting" drv control-text TUseFileSettingForm $StatusBar

# A drop of two files adds the first, named after it, at the top.
drv drop-files TUseFileSettingForm "$DocsW\\fd.qlt" "$DocsW\\fe.qlt" || fail "the drop was not delivered"
sleep 0.3
expect_soon "$(status 5)" "status after the drop" drv control-text TUseFileSettingForm $StatusBar
first_favourite_is 'fd.qlt'

# The folder picker from its button, over the editor: cancelled with Esc.
# The editor is brought forward first (the launched documents took the front).
read -r l t r b < <(drv window-rect TUseFileSettingForm)
xdotool mousemove $(((l + r) / 2)) $((t + 10)) click 1
sleep 0.3
keys alt+d
drv message-box TUseFileSettingForm "$(patience 5)" | grep -qF "$(in_face '良く使うﾌｫﾙﾀﾞを選択してください。' 'Choose a folder to add to Favorites.')" || fail "no folder picker"
sleep 0.5
shot folder_picker
read -r l t r b < <(drv window-rect '#32770')
convert "$SHOTS/folder_picker.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$SHOTS/folder_picker_dialog.png"
keys Escape
sleep 0.5
# The file picker: a path typed into its name box; the name proposed from it
# and the entry added after the current row (the dropped one).
keys alt+b
drv message-box TUseFileSettingForm "$(patience 5)" >/dev/null || fail "no file picker"
sleep 0.5
xdotool type --delay 20 "$DocsW\\fe.qlt"
keys Return
sleep 0.5
expect_soon "$DocsW\\fe.qlt" "the chosen file" drv control-text TUseFileSettingForm $FileEdit
expect_soon "fe.qlt" "the name proposed" drv control-text TUseFileSettingForm $NameEdit
keys alt+a
sleep 0.3
expect_soon "$(status 6)" "status after the file picker" drv control-text TUseFileSettingForm $StatusBar

# Closed with the close command: saved, and shown again as it was.
keys alt+F4
wait_visible TUseFileSettingForm 0 5
expect_eq "$(reg_get UseFiles 00_Name)" "fd.qlt" "slot 0 stored"
expect_eq "$(reg_get UseFiles 01_Name)" "fe.qlt" "slot 1 stored"
expect_eq "$(reg_get UseFiles 02_Name)" "Alpha" "slot 2 stored"
expect_eq "$(reg_get UseFiles 05_Name)" "<" "slot 5 stored"
expect_eq "$(reg_get UseFiles 06_Name)" "" "slot 6 empty"
# A tray-click menu after a dialog closed has the keyboard as the first did.
tray_click right
wait_menu >/dev/null
keys Down Down Return
wait_visible TUseFileSettingForm 1 5
sleep 0.3
expect_soon "6" "rows when opened again" drv control-send TUseFileSettingForm $List $LB_GETCOUNT 0 0
keys alt+F4
wait_visible TUseFileSettingForm 0 5
kill -0 "$QL_PID" || fail "the program ended"
