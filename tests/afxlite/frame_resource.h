// frame_resource.h: ids of the frame, menu and tool-bar test resources.
#pragma once

#define IDR_TEST_FRAME 5010       // menu and title of the test frames
#define IDR_TEST_TOOLBAR 5001     // six buttons, no separator (bitmap of the same id)
#define IDR_TEST_TOOLBAR_SEP 5002 // two buttons, a separator, four buttons (same images)

#define ID_TEST_CMD1 5101
#define ID_TEST_CMD2 5102
#define ID_TEST_CMD3 5103
#define ID_TEST_CMD4 5104
#define ID_TEST_CMD5 5105
#define ID_TEST_CMD6 5106
#define ID_TEST_WINDOW_TILE 5201
#define ID_TEST_EXIT 5202
