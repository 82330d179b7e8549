# Empty registry: the program stamps its version at start, and an ending
# session closes it within seconds, leaving LastMode and SendToRecycle (and
# the session's Language, when it sets one).
ql_start
expect_eq "$(reg_get System Version)" "$QUENLARK_VERSION" "Version after start"
expect_eq "$(drv count-windows TQuenlarkForm)" "1" "controller windows"
wait_tray
echo "ok: the icon is in the notification area"
shot running
drv end-session TQuenlarkForm || fail "no window to end"
ql_wait_exit 5
expect_eq "$(reg_get System LastMode)" "1" "LastMode at exit"
expect_eq "$(reg_get System SendToRecycle)" "0" "SendToRecycle at exit"
expect_eq "$(drv reg-count "$QL_KEY\\System")" "$((${QL_LANGUAGE:+1} + 3))" "values written without a settings save"
