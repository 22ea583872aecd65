// Resource ids of the "Menus and bars" page (range 3000-3099).
#pragma once

#define IDD_PAGE_MENUS 3000
#define IDC_MB_MENU_PICTURE 3001
#define IDC_MB_OPEN_MENU 3002
#define IDC_MB_FLOATING 3003
#define IDC_MB_DOCKED_SIZING 3004
#define IDC_MB_DOCKED_PLAIN 3005
#define IDC_MB_BROWSE 3006
#define IDC_MB_FOLDER_RESULT 3007
#define IDC_MB_BAR_SIZING 3010
#define IDC_MB_BAR_PLAIN 3011
#define IDC_MB_BAR_FLOATING 3012
#define ID_MB_CMD_FIRST 3020 // six tool-bar and menu commands
