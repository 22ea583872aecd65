// dialogs_tests.h: ids of the dialog tests' templates.
#pragma once

#define IDD_SCROLL 100
#define IDD_RESIZE 101

#define IDC_TOP_LEFT 1000
#define IDC_BOTTOM_RIGHT 1001
// IDD_RESIZE: one static per anchor combination, IDC_ANCHOR_FIRST + row.
#define IDC_ANCHOR_FIRST 1100
