// Resource ids of the "Slider" page (range 2400-2499).
#pragma once

#define IDD_PAGE_SLIDER 2400
#define IDC_SL_PLAIN 2401
#define IDC_SL_TIME 2402
#define IDC_SL_ZOOM 2403
#define IDC_SL_LABELS 2404
#define IDC_SL_COLOURS 2405
#define IDC_SL_FIXED 2406
#define IDC_SL_DISABLED 2407
#define IDC_SL_VERT_TOP 2410
#define IDC_SL_VERT_BOTTOM 2411
#define IDC_SL_VERT_PLAIN 2412
#define IDC_SL_TIPPED 2420
#define IDC_SL_NOTES 2421
