// Resource ids of the MDI background sample.
#pragma once

#define IDR_MAINFRAME 100
#define IDB_BACKGROUND 101
#define ID_VIEW_TILE 32771
#define ID_VIEW_CENTER 32772
#define ID_VIEW_STRETCH 32773
#define ID_VIEW_ORIGIN 32774
#define ID_VIEW_COLOUR 32775
#define ID_VIEW_RESET 32776
#define ID_FILE_BITMAP 32777
#define ID_FILE_NEWCHILD 32778
