// FontStatic.cpp: CFontStatic, a static control with a font of its own.
#include "FontStatic.h"

IMPLEMENT_DYNAMIC(CFontStatic, CStatic)

BEGIN_MESSAGE_MAP(CFontStatic, CStatic)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CFontStatic::CFontStatic() : m_hOldFont(NULL)
{
    memset(&m_LogFont, 0, sizeof(m_LogFont));
}

CFontStatic::~CFontStatic()
{
    m_Font.DeleteObject();
}

LOGFONT* CFontStatic::Font_GetLogFont()
{
    return &m_LogFont;
}

void CFontStatic::Font_SetHeight(long nHeight, bool bRedraw)
{
    m_LogFont.lfHeight = nHeight;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetWidth(long nWidth, bool bRedraw)
{
    m_LogFont.lfWidth = nWidth;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetEscapement(long nEscapement, bool bRedraw)
{
    m_LogFont.lfEscapement = nEscapement;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetOrientation(long nOrientation, bool bRedraw)
{
    m_LogFont.lfOrientation = nOrientation;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetWeight(long nWeight, bool bRedraw)
{
    m_LogFont.lfWeight = nWeight;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetItalic(bool bItalic, bool bRedraw)
{
    m_LogFont.lfItalic = bItalic;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetUnderline(bool bUnderline, bool bRedraw)
{
    m_LogFont.lfUnderline = bUnderline;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetStrikeOut(bool bStrikeOut, bool bRedraw)
{
    m_LogFont.lfStrikeOut = bStrikeOut;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetCharSet(bool bCharSet, bool bRedraw)
{
    m_LogFont.lfCharSet = bCharSet;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetOutPrecision(bool bOutPrecision, bool bRedraw)
{
    m_LogFont.lfOutPrecision = bOutPrecision;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetClipPrecision(bool bClipPrecision, bool bRedraw)
{
    m_LogFont.lfClipPrecision = bClipPrecision;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetQuality(bool bQuality, bool bRedraw)
{
    m_LogFont.lfQuality = bQuality;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetPitchAndFamily(bool bPitchAndFamily, bool bRedraw)
{
    m_LogFont.lfPitchAndFamily = bPitchAndFamily;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetFaceName(const char* pszFaceName, bool bRedraw)
{
    ASSERT_MSG(pszFaceName != NULL, "CFontStatic::Font_SetFaceName: null face name");
    // lstrcpyn always terminates, so an over-long name is cut at 31 characters.
    lstrcpynA(m_LogFont.lfFaceName, pszFaceName, LF_FACESIZE);
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::Font_SetLogFont(LOGFONT* pLogFont, bool bRedraw)
{
    ASSERT_MSG(pLogFont != NULL, "CFontStatic::Font_SetLogFont: null LOGFONT");
    m_LogFont = *pLogFont;
    if (bRedraw)
        ReBuildFont();
}

void CFontStatic::ReBuildFont()
{
    // The window must stop using m_Font before its object is deleted.
    ApplyFont(m_hOldFont);
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&m_LogFont);
    ApplyFont((HFONT)m_Font.GetSafeHandle());
    InvalidateWithErase();
}

void CFontStatic::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();

    m_hOldFont = (HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0);
    if (m_hOldFont != NULL)
        ::GetObject(m_hOldFont, sizeof(LOGFONT), &m_LogFont);

    m_Font.DeleteObject();
    // Labels start at a character height of 12 units whatever the dialog font
    // was; the host sets another height afterwards if it wants one.
    m_LogFont.lfHeight = -12;
    m_Font.CreateFontIndirect(&m_LogFont);
    ApplyFont((HFONT)m_Font.GetSafeHandle());
}

void CFontStatic::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
}

void CFontStatic::ApplyFont(HFONT hFont)
{
    if (::IsWindow(m_hWnd))
        ::SendMessage(m_hWnd, WM_SETFONT, (WPARAM)hFont, TRUE);
}

void CFontStatic::InvalidateWithErase()
{
    if (::IsWindow(m_hWnd))
        ::InvalidateRect(m_hWnd, NULL, TRUE);
}
