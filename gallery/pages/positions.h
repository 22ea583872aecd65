// Resource ids of the "Positions" page (range 2200-2299).
#pragma once

#define IDD_PAGE_POSITIONS 2200
#define IDC_POS_LAT_EDIT 2201
#define IDC_POS_LAT_SHOW 2202
#define IDC_POS_LON_EDIT 2203
#define IDC_POS_LON_SHOW 2204
#define IDC_POS_HEIGHT_EDIT 2205
#define IDC_POS_HINT 2206
#define IDC_POS_EAST_SHOW 2207
