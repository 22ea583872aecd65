// Resource ids of the "Framework" page (range 2000-2099).
#pragma once

#define IDD_PAGE_FRAMEWORK 2000
#define IDC_FW_EDIT 2001
#define IDC_FW_CHECK 2002
#define IDC_FW_RADIO1 2003
#define IDC_FW_RADIO2 2004
#define IDC_FW_PROGRESS 2005
#define IDC_FW_TREE 2006
#define IDC_FW_OWNERDRAW 2007
#define IDC_FW_ICON 2008
#define IDC_FW_PUSH 2009
