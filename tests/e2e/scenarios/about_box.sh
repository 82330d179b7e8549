# The about box from the program's menu: its version text is the program's
# version resource, Tab takes the keyboard to the web link (drawn as a link,
# with the focus rectangle), and Esc closes the box.
ql_start
wait_tray

tray_click right
wait_menu >/dev/null
keys Up Up Return
wait_visible TAboutForm 1 5
VersionLabel=102
expect_eq "$(drv control-text TAboutForm $VersionLabel)" "Version $QUENLARK_VERSION" "the version label"
expect_english_window TAboutForm
keys Tab
sleep 0.5
shot about_open
read -r l t r b < <(drv window-rect TAboutForm)
convert "$SHOTS/about_open.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$SHOTS/about.png"
echo "screenshot: $SHOTS/about.png"
keys Escape
sleep 0.5
expect_soon "0" "about boxes after Esc" drv visible-windows TAboutForm

# The face follows System\Language, read at start: it makes the same box
# speak the other language.
expect_eq "$(drv window-text TAboutForm)" "$(in_face "ﾊﾞｰｼﾞｮﾝ情報" "About Quenlark")" "the about box's caption"
drv end-session TQuenlarkForm || fail "no window to end"
ql_wait_exit 5
other=$(in_face en ja)
reg_set System Language "$other"
ql_start
expect_soon "$(in_face "About Quenlark" "ﾊﾞｰｼﾞｮﾝ情報")" "the about box's caption with Language $other" drv window-text TAboutForm
