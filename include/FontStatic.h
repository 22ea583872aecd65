// FontStatic.h: a static text control that owns its font, built from a
// LOGFONT that the host edits field by field.
#pragma once

#include "Quillon.h"

// CFontStatic: the platform's static control keeps drawing the text; this
// class only hands it a font of its own through WM_SETFONT.
//
// Attach it by subclassing a dialog item (or create it with CStatic::Create):
// PreSubclassWindow copies the window's current font description, forces the
// height to 12 logical units and applies the result.  Each Font_Set... stores
// one LOGFONT field and rebuilds the font only when its redraw argument is
// true.  The byte-sized fields take a bool as their signatures say (they
// store 0 or 1); other values go through Font_SetLogFont or Font_GetLogFont.
class AFX_EXT_CLASS CFontStatic : public CStatic
{
    DECLARE_DYNAMIC(CFontStatic)

    // Construction
public:
    CFontStatic();
    virtual ~CFontStatic(); // deletes m_Font; the window does not get its earlier font back

    // Attributes
public:
    // The description itself, not a copy: edit it, then call ReBuildFont.
    LOGFONT* Font_GetLogFont();

    // Operations
public:
    // lfHeight in logical units; negative values give the character height.
    void Font_SetHeight(long nHeight, bool bRedraw = true);
    void Font_SetWidth(long nWidth, bool bRedraw = true);
    void Font_SetEscapement(long nEscapement, bool bRedraw = true);   // tenths of a degree
    void Font_SetOrientation(long nOrientation, bool bRedraw = true); // tenths of a degree
    void Font_SetWeight(long nWeight, bool bRedraw = true);           // FW_NORMAL = 400, FW_BOLD = 700
    void Font_SetItalic(bool bItalic, bool bRedraw = true);
    void Font_SetUnderline(bool bUnderline, bool bRedraw = true);
    void Font_SetStrikeOut(bool bStrikeOut, bool bRedraw = true);
    void Font_SetCharSet(bool bCharSet, bool bRedraw = true);               // stores 0 or 1
    void Font_SetOutPrecision(bool bOutPrecision, bool bRedraw = true);     // stores 0 or 1
    void Font_SetClipPrecision(bool bClipPrecision, bool bRedraw = true);   // stores 0 or 1
    void Font_SetQuality(bool bQuality, bool bRedraw = true);               // stores 0 or 1
    void Font_SetPitchAndFamily(bool bPitchAndFamily, bool bRedraw = true); // stores 0 or 1
    // Names longer than LF_FACESIZE - 1 characters are truncated.
    void Font_SetFaceName(const char* pszFaceName, bool bRedraw = true);
    void Font_SetLogFont(LOGFONT* pLogFont, bool bRedraw = true);

    // Gives the window back its earlier font, recreates m_Font from
    // m_LogFont, applies it and repaints.  Without a window only the font
    // object is rebuilt.
    void ReBuildFont();

    // Overridables
protected:
    virtual void PreSubclassWindow();

    // Message handlers
protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    CFont m_Font;      // the font the control shows; empty until the window is attached
    HFONT m_hOldFont;  // the window's font at subclassing (not owned), null if it had none
    LOGFONT m_LogFont; // description m_Font is built from; all zero at construction

    // WM_SETFONT with redraw, only when the window exists.
    void ApplyFont(HFONT hFont);
    // InvalidateRect of the whole client area with erase, only when the window exists.
    void InvalidateWithErase();
};
