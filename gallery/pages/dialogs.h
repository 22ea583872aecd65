// Resource ids of the "Dialogs" page (range 2700-2799).
#pragma once

#define IDD_PAGE_DIALOGS 2700
#define IDD_DL_RESIZING 2701
#define IDD_DL_SCROLLING 2702
#define IDD_DL_GRIP 2703

#define IDC_DL_SLOT_TEMPLATE 2710
#define IDC_DL_SLOT_LARGER 2711
#define IDC_DL_SLOT_SCROLL 2712
#define IDC_DL_SLOT_GRIP 2713

#define IDC_DL_LIST 2720
#define IDC_DL_FIND 2721
#define IDC_DL_NAME 2722
#define IDC_DL_LABEL 2723
#define IDC_DL_FIELD 2730
