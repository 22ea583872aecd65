// DisplaySupport.h: small helpers shared by the display controls' tests.
#pragma once
#include <afxwin.h>
#include <commctrl.h>

#include <string>

// The text tool uId of hOwner shows in the tool tip hTip.
inline std::string ToolText(HWND hTip, HWND hOwner, UINT_PTR uId = 1)
{
    char buf[256] = "";
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = hOwner;
    ti.uId = uId;
    ti.lpszText = buf;
    ::SendMessageA(hTip, TTM_GETTEXTA, sizeof(buf), (LPARAM)&ti);
    return buf;
}

// Sends WM_SETCURSOR for the client area as a mouse move would; returns the cursor then set.
inline HCURSOR CursorOver(HWND hWnd)
{
    ::SendMessageA(hWnd, WM_SETCURSOR, (WPARAM)hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
}
