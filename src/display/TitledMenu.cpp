// TitledMenu.cpp: CTitledMenu, the owner-drawn title item of a popup menu.
#include "TitledMenu.h"

CTitledMenu::CTitledMenu()
{
    m_TitleFont.Attach(CreatePopupMenuTitleFont());
    m_nTitleID = QuillonRegisterMessage("Pop Up Menu Title");
}

CTitledMenu::~CTitledMenu()
{
    m_TitleFont.DeleteObject();
    DestroyMenu();
}

HFONT CTitledMenu::CreatePopupMenuTitleFont()
{
    HFONT hStock = (HFONT)::GetStockObject(ANSI_VAR_FONT);
    LOGFONT lf;
    if (hStock == NULL || ::GetObjectA(hStock, sizeof(lf), &lf) != sizeof(lf))
        return NULL;
    lf.lfWeight = FW_BOLD;
    // Made through a wrapper so that the font is counted as created, then
    // handed to the caller.
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return NULL;
    return (HFONT)font.Detach();
}

void CTitledMenu::AddMenuTitle(const char* lpszTitle)
{
    ASSERT_MSG(m_hMenu != NULL, "CTitledMenu::AddMenuTitle: create or attach the menu first");
    ASSERT_MSG(lpszTitle != NULL, "CTitledMenu::AddMenuTitle: null title");
    m_strTitle = lpszTitle;
    // With MF_OWNERDRAW the last argument is the item data.
    InsertMenu(0, MF_BYPOSITION | MF_OWNERDRAW | MF_DISABLED, m_nTitleID, (LPCTSTR)m_strTitle);
    InsertMenu(1, MF_BYPOSITION | MF_SEPARATOR);
}

void CTitledMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    CClientDC dc(NULL); // the screen, released when the call returns
    CFont* pOldFont = m_TitleFont.m_hObject != NULL ? dc.SelectObject(&m_TitleFont) : NULL;
    const CSize size = dc.GetTextExtent(m_strTitle);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
    lpMeasureItemStruct->itemWidth = size.cx + ::GetSystemMetrics(SM_CXMENUCHECK) + 8 + 2;
    lpMeasureItemStruct->itemHeight = size.cy + 8;
}

void CTitledMenu::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc(lpDrawItemStruct->rcItem);

    const COLORREF crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_INACTIVECAPTION));
    pDC->ExtTextOut(0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
    pDC->DrawEdge(&rc, BDR_SUNKENOUTER, BF_RECT);

    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOldText = pDC->SetTextColor(::GetSysColor(COLOR_CAPTIONTEXT));
    CFont* pOldFont = m_TitleFont.m_hObject != NULL ? pDC->SelectObject(&m_TitleFont) : NULL;
    rc.left += ::GetSystemMetrics(SM_CXMENUCHECK) + 8;
    pDC->DrawText(m_strTitle, &rc, DT_SINGLELINE | DT_VCENTER);

    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextColor(crOldText);
}
