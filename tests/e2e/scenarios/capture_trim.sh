# RecentMax 10 and thirteen documents used: the three oldest entries go.
use_shell_folder
reg_set System ScanTime 1
reg_set System RecentMax 10
for i in $(seq 10 22); do
  use_document "doc$i.txt.lnk" "$DocsW\\doc$i.txt" $(( i * 2 - 100 ))
done
ql_start
expected=$(for i in $(seq 13 22); do echo "DOC$i.TXT.lnk"; done)
wait_listing "$HistoryW" "$expected" 4
drv end-session TQuenlarkForm
ql_wait_exit 5
