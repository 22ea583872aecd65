// Resource ids of the "Rich text" page (range 2800-2899).
#pragma once

#define IDD_PAGE_RICHTEXT 2800
#define IDC_RT_SOURCE 2801
#define IDC_RT_RESULT 2802
