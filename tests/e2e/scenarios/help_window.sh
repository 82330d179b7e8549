# The help: with Quenlark.chm beside the program, the menu's help command
# opens it in the HTML Help viewer (Wine's hhctrl.ocx, window class
# "HH Parent") at its contents, F1 in the settings dialog opens the settings
# page and F1 in the favourites editor the editor's page, in the same help
# window; the program closes it (HH_CLOSE_ALL) when it ends. Wine shows no
# page text without its Gecko engine, so the page the viewer opened is read
# from its trace; the contents tree and the title are real windows. One F1
# is one request (the system's own WM_KEYF1 adds none), and the help window
# opened before the settings dialog still takes input while it is up.
ql_install_help
WINEDEBUG=trace+htmlhelp ql_start
wait_tray
LOG="$WORK/quenlark.log"
HELP='HH Parent'

# The face's help file.
HELP_FILE=$(in_face Quenlark.chm Quenlark-en.chm)
# How many times the program asked the viewer for PAGE of Quenlark.chm.
requests() { grep -a 'HtmlHelpW' "$LOG" | grep -acF "$HELP_FILE::/$1" || true; }

# Waits until the viewer's trace shows it navigating to PAGE of Quenlark.chm.
wait_page() {  # wait_page PAGE SECONDS
  local deadline=$((SECONDS + $(patience "$2")))
  until grep -a 'navigate_url' "$LOG" | grep -aqF "$HELP_FILE::/$1"; do
    [ $SECONDS -lt $deadline ] || fail "the help viewer did not open $1 (trace: $(grep -a navigate_url "$LOG" | tail -3))"
    sleep 0.2
  done
  echo "ok: the help viewer opened $1"
}

tray_click right
wait_menu >/dev/null
keys Up Up Up Return  # ﾍﾙﾌﾟ(&H)..., above ﾊﾞｰｼﾞｮﾝ情報 and Quenlarkの終了
wait_visible "$HELP" 1 15
wait_page index.htm 10
expect_eq "$(drv window-text "$HELP")" "$(in_face "Quenlark ヘルプ" "Quenlark Help")" "the help window's title"
sleep 1
shot help_open
read -r l t r b < <(drv window-rect "$HELP")
convert "$SHOTS/help_open.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$SHOTS/help.png"
echo "screenshot: $SHOTS/help.png"

# F1 in the settings dialog: the settings page, in the same window.
tray_click right
wait_menu >/dev/null
keys Down Return
wait_visible TSettingForm 1 5
sleep 0.5
keys_to TSettingForm
keys F1
wait_page settings.htm 10
sleep 1
expect_eq "$(requests settings.htm)" "1" "requests for the settings page from one F1"
expect_eq "$(drv visible-windows "$HELP")" "1" "help windows after F1 in the settings dialog"
expect_eq "$(drv window-enabled "$HELP")" "1" "the help window takes input beside the modal dialog"
CancelButton=156
drv control-post TSettingForm $CancelButton 0xF5 0 0  # BM_CLICK
wait_visible TSettingForm 0 5

# F1 in the favourites editor: the editor's page.
tray_click right
wait_menu >/dev/null
keys Down Down Return
wait_visible TUseFileSettingForm 1 5
sleep 0.5
keys_to TUseFileSettingForm
keys F1
wait_page favourites.htm 10
sleep 1
expect_eq "$(requests favourites.htm)" "1" "requests for the editor's page from one F1"
expect_eq "$(drv visible-windows "$HELP")" "1" "help windows after F1 in the favourites editor"
drv post TUseFileSettingForm 0x10 0 0 >/dev/null  # WM_CLOSE
wait_visible TUseFileSettingForm 0 5

# The exit command: the program closes its help window, then ends.
tray_click right
wait_menu >/dev/null
keys Up Return
ql_wait_exit 15
grep -aq 'HH_CLOSE_ALL' "$LOG" || fail "the program did not close the help (no HH_CLOSE_ALL in the trace)"
echo "ok: HH_CLOSE_ALL at the end"
expect_eq "$(drv count-windows "$HELP")" "0" "help windows after the exit"
