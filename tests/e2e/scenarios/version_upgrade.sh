# A record saved by version 1.80 numbers the click kinds the old way: the
# start upgrades RecentClick 3 to 4 and writes the whole record at once.
reg_set System Version 1.80
reg_set System RecentClick 3
reg_set System UseFileClick 1
ql_start
expect_eq "$(reg_get System RecentClick)" "4" "RecentClick after the upgrade"
expect_eq "$(reg_get System UseFileClick)" "1" "UseFileClick after the upgrade"
expect_eq "$(reg_get System Version)" "$QUENLARK_VERSION" "Version after the upgrade"
expect_eq "$(reg_get System ScanTime)" "5" "the whole record was saved"
drv end-session TQuenlarkForm
ql_wait_exit 5
