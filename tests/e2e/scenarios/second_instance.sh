# A second start while the first runs ends by itself, touches nothing, and
# leaves exactly one controller window: the first instance's.
ql_start
first=$QL_PID
reg_set System RecentMax 55
drv reg-delete-key "$QL_KEY\\Position" >/dev/null
ql_launch "$WORK/second.log"
second=$QL_PID
ql_wait_exit 10 "$second"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
expect_eq "$(drv count-windows TQuenlarkForm)" "1" "controller windows"
expect_eq "$(drv reg-count "$QL_KEY\\Position")" "0" "placement written by the second process"
expect_eq "$(reg_get System RecentMax)" "55" "setting written by the second process"
drv end-session TQuenlarkForm
ql_wait_exit 5 "$first"
