// afxwin.h: afxlite's main header, as MFC's: objects, strings, collections,
// drawing, windows and controls, dialogs and the application.
#pragma once

#include "afx.h"
#include "afxcoll.h"

class CWnd;
class CDC;
class CMenu;
class CWinApp;
class CWinThread;
class CDialog;
class CDataExchange;

#include "afxlite_gdi.h"    // CGdiObject, CPen, CBrush, CFont, CBitmap, CRgn, CDC and the DC wrappers
#include "afxlite_wnd.h"    // CCmdTarget, CWnd, message maps, CMenu, CStatic, CButton, CEdit, CScrollBar
#include "afxlite_menu.h"   // CMenu and the TrackPopupMenu test seam
#include "afxlite_dlg.h"    // CDialog, CDataExchange, DDX_*
#include "afxlite_app.h"    // CWinThread, CWinApp, AfxGetApp, AfxMessageBox
#include "afxlite_frame.h"  // CFrameWnd, CMDIFrameWnd
