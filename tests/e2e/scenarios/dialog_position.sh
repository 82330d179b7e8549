# A stored top of 5000 for the selective clear dialog is replaced by the
# centred default when the dialog is created, and saved so at exit.
reg_set Position TSelectClearForm.Top 5000
reg_set Position TSelectClearForm.Left 100
reg_set Position TSelectClearForm.Height 309
reg_set Position TSelectClearForm.Width 296
ql_start
drv end-session TQuenlarkForm
ql_wait_exit 5
# The desktop is 1024x768: (768 - 309) / 2 = 229.
expect_eq "$(reg_get Position TSelectClearForm.Top)" "229" "TSelectClearForm.Top"
expect_eq "$(reg_get Position TSelectClearForm.Left)" "100" "TSelectClearForm.Left"
