// masked_tests_res.h: ids of the masked-input test dialog.
#pragma once

#define IDD_MASKED_TEST 4100
#define IDC_MASKED_EDIT 4101
#define IDC_MASKED_RICH 4102
#define IDC_MASKED_NEXT 4103
#define IDC_RESTRICTED 4105
#define IDC_MASKED_READONLY 4106
