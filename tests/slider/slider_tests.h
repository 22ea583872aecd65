// slider_tests.h: resource ids of the slider suite's dialog.
#pragma once

#define IDD_SLIDER_TEST 100
#define IDC_SLIDER_H 101      // placeholder of a horizontal slider
#define IDC_SLIDER_V 102      // placeholder of a vertical slider
#define IDC_SLIDER_ROUND 103  // horizontal, style bit 0x8 (rounded thumbs)
