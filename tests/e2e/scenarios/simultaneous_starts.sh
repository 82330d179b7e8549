# Ten starts at the same moment, five rounds: exactly one process survives
# each round, and the others write nothing: neither the settings key nor the
# history folder changes while they start and end.
use_shell_folder
reg_set System ScanTime 60
use_document 'doc.txt.lnk' "$DocsW\\doc.txt" -30
# A first run makes the history and the settings as they then stay.
ql_start
wait_tray
wait_listing "$HistoryW" 'DOC.TXT.lnk' 5
drv end-session TQuenlarkForm
ql_wait_exit 10
for round in 1 2 3 4 5; do
  written=$(drv key-time "$QL_KEY\\System")
  history=$(stat -c '%Y %i' "$History" "$History/DOC.TXT.lnk")
  QL_PIDS_ROUND=
  for n in $(seq 1 10); do
    ql_launch "$WORK/start-$round-$n.log"
    QL_PIDS_ROUND="$QL_PIDS_ROUND $QL_PID"
  done
  # All but one end by themselves.
  deadline=$((SECONDS + $(patience 30)))
  while true; do
    alive=0
    for pid in $QL_PIDS_ROUND; do kill -0 "$pid" 2>/dev/null && alive=$((alive + 1)); done
    [ "$alive" -le 1 ] && break
    [ $SECONDS -lt $deadline ] || fail "round $round: $alive processes still running"
    sleep 0.3
  done
  expect_eq "$alive" "1" "round $round: processes left"
  wait_tray
  expect_eq "$(drv count-windows TQuenlarkForm)" "1" "round $round: controller windows"
  survivor=
  for pid in $QL_PIDS_ROUND; do kill -0 "$pid" 2>/dev/null && survivor=$pid; done
  expect_eq "$(drv key-time "$QL_KEY\\System")" "$written" "round $round: settings key untouched at start"
  expect_eq "$(stat -c '%Y %i' "$History" "$History/DOC.TXT.lnk")" "$history" "round $round: history untouched"
  drv end-session TQuenlarkForm
  ql_wait_exit 10 "$survivor"
done
