// Resource ids of the "Slider" page (range 2900-2999).
#pragma once

#define IDD_PAGE_SLIDER 2900
#define IDC_SL_PLAIN 2901
#define IDC_SL_TIME 2902
#define IDC_SL_ZOOM 2903
#define IDC_SL_LABELS 2904
#define IDC_SL_COLOURS 2905
#define IDC_SL_FIXED 2906
#define IDC_SL_DISABLED 2907
#define IDC_SL_VERT_TOP 2910
#define IDC_SL_VERT_BOTTOM 2911
#define IDC_SL_VERT_PLAIN 2912
#define IDC_SL_TIPPED 2920
#define IDC_SL_NOTES 2921
