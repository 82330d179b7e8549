# Favourites in slots 0, 2 and 5 only: after a start and a save they sit in
# slots 0-2 and nothing is left in slots 3-98. An old version forces the save.
reg_set System Version 1.00
for slot in 00:Memo 02:Web 05:Editor; do
  n=${slot%%:*}; name=${slot##*:}
  reg_set UseFiles "${n}_Name" "$name"
  reg_set UseFiles "${n}_File" "C:\\files\\$name.txt"
  reg_set UseFiles "${n}_Execute" "exec-$name"
done
reg_set UseFiles 07_File "a file without a name"
ql_start
expect_eq "$(reg_get UseFiles 00_Name)" "Memo" "slot 0"
expect_eq "$(reg_get UseFiles 01_Name)" "Web" "slot 1"
expect_eq "$(reg_get UseFiles 01_File)" 'C:\files\Web.txt' "slot 1 file"
expect_eq "$(reg_get UseFiles 02_Name)" "Editor" "slot 2"
expect_eq "$(reg_get UseFiles 02_Execute)" "exec-Editor" "slot 2 program"
expect_eq "$(drv reg-count "$QL_KEY\\UseFiles")" "9" "values of the favourites"
expect_eq "$(reg_get UseFiles 05_Name)" "" "slot 5 after the save"
expect_eq "$(reg_get UseFiles 07_File)" "" "slot 7 after the save"
drv end-session TQuenlarkForm
ql_wait_exit 5
