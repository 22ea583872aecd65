// HyperLink.h: a static text control that opens a link when clicked,
// underlined in a link colour that changes once the link has been visited.
#pragma once

#include "ColorStatic.h"

#include <afxcmn.h> // CToolTipCtrl

// CHyperLink: attach it by subclassing a static item (DDX_Control or
// SubclassDlgItem) or create it with CStatic::Create.  At subclassing it adds
// SS_NOTIFY so that the static reports clicks, takes the window text as the
// target when no URL was set, shrinks the window to the text (auto size),
// and creates a tool tip (tool id 1) that shows the target.  The parent
// needs no code: the click and the colour message come back reflected.
//
// What it replaces of CColorStatic: its own reflected colour handler draws
// the text in the link or visited colour on a transparent background, so the
// CColorStatic text, background and blink colours do not show; the
// CFontStatic font set-up is skipped (the link keeps the dialog's font); the
// link cursor replaces the class cursor.  Blinking, erase, paint and size
// handling are inherited unchanged.  The class has no run-time class record
// of its own (it reports CColorStatic's).
//
// A click runs ShellExecute(NULL, "open", url, ...).  If the shell fails,
// the fallback asks the registry for the program registered for ".htm"
// (HKEY_CLASSES_ROOT\.htm -> type, type\shell\open\command) and starts it
// with WinExec, the url appended after the command's placeholder is cut
// off.  A success marks the link visited; a failure beeps and shows
// "Unable to open hyperlink:\n\n" plus the message for the error code.
//
// Decisions of this implementation:
// - The fallback command line is built in a CString, so a url of any length
//   is neither cut nor written past a buffer.  A command line longer than
//   the system takes (32767 characters) is not passed to WinExec: the
//   fallback ends there and the shell's own error is reported, as when a
//   registry step fails.
// - A window without a font of its own (WM_GETFONT gives none) gets its
//   underlined font from the default GUI font (DEFAULT_GUI_FONT).
// - A registry key that opens but whose default value cannot be read (not
//   set, or longer than MAX_PATH bytes) reads as the empty string, as if the
//   value were absent; only the opening of the key counts as success.
class AFX_EXT_CLASS CHyperLink : public CColorStatic
{
    // Construction
public:
    CHyperLink();
    virtual ~CHyperLink(); // deletes the underlined font

    // Attributes
public:
    // Sets the target, resizes to the text (auto size) and updates the tool
    // tip; call it after the control is subclassed.
    void SetURL(CString strURL);
    CString GetURL() const;

    void SetColours(COLORREF crLinkColour, COLORREF crVisitedColour); // repaints
    COLORREF GetLinkColour() const;
    COLORREF GetVisitedColour() const;

    void SetVisited(BOOL bVisited); // repaints
    BOOL GetVisited() const;

    // The cursor shown over the link; an icon handle serves as a cursor.
    // Subclassing sets the standard arrow, so call it afterwards.
    void SetLinkCursor(HICON hCursor);

    void SetUnderline(BOOL bUnderline); // repaints
    BOOL GetUnderline() const;

    // Stores the flag and, when it is TRUE, shrinks the window to the text.
    void SetAutoSize(BOOL bAutoSize);
    BOOL GetAutoSize() const;

    // Overridables
public:
    // Relays the message to the tool tip, then CWnd::PreTranslateMessage.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    // SS_NOTIFY, URL from the window text, auto size, arrow cursor, tool tip.
    virtual void PreSubclassWindow();

    // Message handlers
protected:
    // Link or visited text colour, underlined font, transparent background;
    // returns the hollow stock brush.
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message); // the link cursor
    afx_msg void OnClicked(); // opens m_strURL; visited on success, error box on failure
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    COLORREF m_crLinkColour;    // text colour while not visited
    COLORREF m_crVisitedColour; // text colour once visited
    BOOL m_bVisited;            // opened successfully
    BOOL m_bUnderline;          // draw the text underlined
    BOOL m_bAutoSize;           // shrink the window to the text
    CString m_strURL;           // the target
    CFont m_UnderlineFont;      // underlined copy of the window font, made on first use
    HCURSOR m_hLinkCursor;      // cursor over the link (not owned)
    CToolTipCtrl m_ToolTip;     // tool id 1 shows m_strURL

    // Auto size: moves and sizes the window to its text (measured with the
    // font of a fresh DC of the control), keeping the edge or centre its
    // alignment style names (SS_CENTER, SS_RIGHT, SS_CENTERIMAGE).
    void PositionWindow();
    // Opens url through the shell, else through the registered ".htm"
    // program; returns the shell's or WinExec's result (> 32 on success).
    HINSTANCE GotoURL(const char* pszURL, int nShowCmd);
    // Opens hKey\pszSubKey, copies its default value into pszOut (at least
    // MAX_PATH bytes; "" when the value cannot be read) and returns the
    // status of the open (ERROR_SUCCESS when the key exists).
    LONG GetRegKey(HKEY hKey, const char* pszSubKey, char* pszOut);
    // "Unable to open hyperlink:\n\n" and the message for nError, in an
    // AfxMessageBox with MB_ICONEXCLAMATION.
    void ReportError(int nError);
};
