// afxlite_frame.h: frame windows (CFrameWnd, CMDIFrameWnd) and control bars
// (CControlBar, CToolBar).  MFC declares them in afxwin.h and afxext.h; here
// afxwin.h includes this header and afxext.h includes it again.
#pragma once
