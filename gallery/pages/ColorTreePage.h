// Resource ids of the "Colour tree" page (range 2500-2599).
#pragma once

#define IDD_PAGE_COLORTREE 2500
#define IDC_CT_TREE 2501
#define IDC_CT_NOTES 2502
