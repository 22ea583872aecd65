// Resource ids of the "Masked input" page (range 2100-2199).
#pragma once

#define IDD_PAGE_MASKED 2100
#define IDC_MK_PHONE 2101
#define IDC_MK_DATE 2102
#define IDC_MK_DMS 2103
#define IDC_MK_RICH 2104
#define IDC_MK_DIGITS 2105
#define IDC_MK_NOVOWELS 2106
#define IDC_MK_STATE 2107
