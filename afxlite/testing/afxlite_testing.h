// afxlite_testing.h: the seams that afxlite offers its own tests and the
// library's, and nothing else. Not installed: hosts never see these.
#pragma once

#include <afxwin.h>

// Test seam for CMenu::TrackPopupMenu.  Under automated tests a popup menu
// must not enter its modal loop; when a hook is set, CMenu::TrackPopupMenu
// and TrackPopupMenuEx call it instead of the Win32 function:
//   - unless TPM_NONOTIFY is given, WM_INITMENUPOPUP (hMenu, 0) is first sent
//     to the owner, as the menu loop does before it shows the menu;
//   - the hook gets the menu (still alive and fully built), the flags, the
//     screen point, the owner window and the context given with the hook, and
//     returns the chosen command id, or 0 for a dismissed menu;
//   - with TPM_RETURNCMD, TrackPopupMenu returns that id; otherwise a chosen
//     id is posted to the owner as WM_COMMAND (id, 0), as the menu loop does,
//     and TrackPopupMenu returns TRUE.
// No other menu message (WM_ENTERMENULOOP, WM_MENUSELECT, owner-draw) is
// sent.  The hook is process-wide; with none set (the default) the Win32
// call is made unchanged.  Returns the previous hook.
typedef UINT (*AFXLITE_TRACKPOPUPMENUHOOK)(HMENU hMenu, UINT nFlags, POINT pt, HWND hWndOwner,
                                           void* pContext);
AFXLITE_API AFXLITE_TRACKPOPUPMENUHOOK AfxLiteSetTrackPopupMenuHook(AFXLITE_TRACKPOPUPMENUHOOK pfnHook,
                                                                    void* pContext = nullptr);

// The next AfxInitExtensionModule fails (once), as if the module could not be
// initialised, so tests can check that a DLL then refuses to load.
extern "C" AFXLITE_API void AfxLiteFailNextExtensionInit();
