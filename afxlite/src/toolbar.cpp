// toolbar.cpp: CControlBar (room taken along a frame edge) and CToolBar (the
// common tool-bar control, TOOLBAR resources and the LM_* layouts).
#include "afxext.h"
#include "gdi_internal.h"

#include <algorithm>
#include <vector>

namespace {

const int kSeparatorWidth = 8; // pixels, for separators made by SetButtons
const int kUnbounded = 32767;  // a wrap width no row reaches

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CControlBar

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0), m_dwStyle(0),
      m_bAutoDelete(FALSE)
{}

CControlBar::~CControlBar() {}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::SetBorders(LPCRECT lpRect)
{
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CRect CControlBar::GetBorders() const
{
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    UNUSED_ALWAYS(dwDockStyle);
    AFXLITE_UNSUPPORTED("CControlBar::EnableDocking: afxlite has no docking frames");
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size(m_cxLeftBorder + m_cxRightBorder, m_cyTopBorder + m_cyBottomBorder);
    if (bStretch) {
        if (bHorz)
            size.cx = kUnbounded;
        else
            size.cy = kUnbounded;
    }
    return size;
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    UNUSED_ALWAYS(nLength);
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    UNUSED_ALWAYS(bHorz);
    rect.left += m_cxLeftBorder;
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE) || !(m_dwStyle & CBRS_ALIGN_ANY))
        return 0;
    CRect room(pLayout->rect);
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    // The docked layout, committed because it is the one shown; the bar
    // then spans the frame when the layout stretches.
    CSize size =
        CalcDynamicLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK | LM_COMMIT) : (LM_VERTDOCK | LM_COMMIT));
    size.cx = std::min<LONG>(size.cx, room.Width());
    size.cy = std::min<LONG>(size.cy, room.Height());
    if (pLayout->bStretch) {
        if (bHorz)
            size.cx = room.Width();
        else
            size.cy = room.Height();
    }
    CRect rect;
    if (m_dwStyle & CBRS_ALIGN_TOP) {
        rect.SetRect(room.left, room.top, room.left + size.cx, room.top + size.cy);
        pLayout->rect.top += size.cy;
        pLayout->sizeTotal.cy += size.cy;
    } else if (m_dwStyle & CBRS_ALIGN_BOTTOM) {
        rect.SetRect(room.left, room.bottom - size.cy, room.left + size.cx, room.bottom);
        pLayout->rect.bottom -= size.cy;
        pLayout->sizeTotal.cy += size.cy;
    } else if (m_dwStyle & CBRS_ALIGN_LEFT) {
        rect.SetRect(room.left, room.top, room.left + size.cx, room.top + size.cy);
        pLayout->rect.left += size.cx;
        pLayout->sizeTotal.cx += size.cx;
    } else {
        rect.SetRect(room.right - size.cx, room.top, room.right, room.top + size.cy);
        pLayout->rect.right -= size.cx;
        pLayout->sizeTotal.cx += size.cx;
    }
    if (pLayout->hDWP != nullptr)
        pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, nullptr, rect.left, rect.top, rect.Width(),
                                         rect.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOACTIVATE | SWP_NOZORDER);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// CToolBar: construction and resources

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

CToolBar::CToolBar()
    : m_nMRUWidth(kUnbounded), m_sizeButton(23, 22), m_sizeImage(16, 15), m_hbmImageWell(nullptr)
{}

CToolBar::~CToolBar()
{
    // The control must be gone before the images it shows.
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (m_hbmImageWell != nullptr) {
        AfxLiteGdiCountDeleted(m_hbmImageWell);
        ::DeleteObject(m_hbmImageWell);
    }
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    ASSERT_MSG(pParentWnd != nullptr && ::IsWindow(pParentWnd->m_hWnd),
               "CToolBar::CreateEx: no parent window");
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    SetBorders(&rcBorders);
    m_dwStyle = dwStyle & CBRS_ALL;
    // The frame places the bar: the control must neither move nor size itself.
    DWORD dwWndStyle =
        (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    ASSERT_MSG(sizeButton.cx >= sizeImage.cx && sizeButton.cy >= sizeImage.cy,
               "CToolBar::SetSizes: the buttons must hold the images");
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd != nullptr) {
        SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
        SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
    }
}

void CToolBar::SetHeight(int cyHeight)
{
    // The room around the buttons goes to the borders, half above, half below.
    int nSpare = std::max(0, cyHeight - (int)m_sizeButton.cy);
    m_cyTopBorder = nSpare / 2;
    m_cyBottomBorder = nSpare - nSpare / 2;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    ASSERT_MSG(m_hWnd != nullptr, "CToolBar::LoadToolBar: create the bar first");
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == nullptr)
        return FALSE;
    const WORD* pData = static_cast<const WORD*>(::LockResource(::LoadResource(hInst, hRsrc)));
    const DWORD cbData = ::SizeofResource(hInst, hRsrc);
    // wVersion, wWidth, wHeight, wItemCount, then the ids.
    if (pData == nullptr || cbData < 4 * sizeof(WORD) || cbData < (4u + pData[3]) * sizeof(WORD))
        return FALSE;
    ASSERT_MSG(pData[0] == 1, "CToolBar::LoadToolBar: TOOLBAR resource of an unknown version");
    std::vector<UINT> ids(pData + 4, pData + 4 + pData[3]);
    SetSizes(CSize(pData[1] + 7, pData[2] + 7), CSize(pData[1], pData[2]));
    if (!SetButtons(ids.data(), (int)ids.size()))
        return FALSE;
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HBITMAP hbm = nullptr;
    if (IS_INTRESOURCE(lpszResourceName))
        hbm = ::CreateMappedBitmap(hInst, (INT_PTR)lpszResourceName, 0, nullptr, 0);
    else // CreateMappedBitmap takes only numeric ids from an ANSI caller
        hbm = (HBITMAP)::LoadImageA(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS);
    return SetBitmap(hbm);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    ASSERT_MSG(m_hWnd != nullptr, "CToolBar::SetBitmap: create the bar first");
    if (hbmImageWell == nullptr)
        return FALSE;
    AfxLiteGdiCountCreated(hbmImageWell);
    BITMAP bm = {};
    ::GetObjectA(hbmImageWell, sizeof bm, &bm);
    const int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    BOOL bOk;
    if (m_hbmImageWell == nullptr) {
        TBADDBITMAP tbab = {nullptr, (UINT_PTR)hbmImageWell};
        bOk = SendMessage(TB_ADDBITMAP, nImages, (LPARAM)&tbab) != -1;
    } else {
        TBREPLACEBITMAP tbrb = {nullptr, (UINT_PTR)m_hbmImageWell, nullptr, (UINT_PTR)hbmImageWell, nImages};
        bOk = (BOOL)SendMessage(TB_REPLACEBITMAP, 0, (LPARAM)&tbrb);
        AfxLiteGdiCountDeleted(m_hbmImageWell);
        ::DeleteObject(m_hbmImageWell);
    }
    m_hbmImageWell = hbmImageWell;
    Invalidate();
    return bOk;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    ASSERT_MSG(m_hWnd != nullptr && nIDCount >= 0, "CToolBar::SetButtons: no bar or a negative count");
    for (int i = GetCount() - 1; i >= 0; --i)
        SendMessage(TB_DELETEBUTTON, i, 0);
    if (nIDCount == 0)
        return TRUE;
    std::vector<TBBUTTON> buttons(nIDCount);
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON& b = buttons[i];
        b.fsState = TBSTATE_ENABLED;
        b.iString = -1;
        if (lpIDArray == nullptr || lpIDArray[i] == ID_SEPARATOR) {
            b.fsStyle = TBSTYLE_SEP;
            b.iBitmap = kSeparatorWidth;
        } else {
            b.fsStyle = TBSTYLE_BUTTON;
            b.idCommand = (int)lpIDArray[i];
            b.iBitmap = iImage++;
        }
    }
    return (BOOL)SendMessage(TB_ADDBUTTONSA, nIDCount, (LPARAM)buttons.data());
}

/////////////////////////////////////////////////////////////////////////////
// CToolBar: attributes

int CToolBar::GetCount() const
{
    return (int)SendMessage(TB_BUTTONCOUNT, 0, 0);
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const
{
    // MFC's own arrangement: the bar is the control's window, and
    // CToolBarCtrl adds no data to CWnd.
    return *reinterpret_cast<CToolBarCtrl*>(const_cast<CToolBar*>(this));
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i)
        if (GetItemID(i) == nIDFind)
            return i;
    return -1;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON b = {};
    VERIFY(SendMessage(TB_GETBUTTON, nIndex, (LPARAM)&b));
    return (UINT)b.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    VERIFY(SendMessage(TB_GETITEMRECT, nIndex, (LPARAM)lpRect));
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON b = {};
    VERIFY(SendMessage(TB_GETBUTTON, nIndex, (LPARAM)&b));
    return MAKELONG(b.fsStyle, (BYTE)(b.fsState ^ TBSTATE_ENABLED));
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTONINFOA tbbi = {};
    tbbi.cbSize = sizeof tbbi;
    tbbi.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_STATE;
    tbbi.fsStyle = (BYTE)LOWORD(nStyle);
    tbbi.fsState = (BYTE)(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    VERIFY(SendMessage(TB_SETBUTTONINFOA, nIndex, (LPARAM)&tbbi));
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON b = {};
    VERIFY(SendMessage(TB_GETBUTTON, nIndex, (LPARAM)&b));
    nID = (UINT)b.idCommand;
    nStyle = MAKELONG(b.fsStyle, (BYTE)(b.fsState ^ TBSTATE_ENABLED));
    iImage = b.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTONINFOA tbbi = {};
    tbbi.cbSize = sizeof tbbi;
    tbbi.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_STYLE | TBIF_STATE | TBIF_IMAGE;
    tbbi.idCommand = (int)nID;
    tbbi.fsStyle = (BYTE)LOWORD(nStyle);
    tbbi.fsState = (BYTE)(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    tbbi.iImage = iImage; // the width, for a separator
    VERIFY(SendMessage(TB_SETBUTTONINFOA, nIndex, (LPARAM)&tbbi));
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    TBBUTTONINFOA tbbi = {};
    tbbi.cbSize = sizeof tbbi;
    tbbi.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    tbbi.pszText = const_cast<LPSTR>(lpszText);
    return (BOOL)SendMessage(TB_SETBUTTONINFOA, nIndex, (LPARAM)&tbbi);
}

CString CToolBar::GetButtonText(int nIndex) const
{
    char szText[256] = "";
    TBBUTTONINFOA tbbi = {};
    tbbi.cbSize = sizeof tbbi;
    tbbi.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    tbbi.pszText = szText;
    tbbi.cchText = (int)sizeof szText;
    SendMessage(TB_GETBUTTONINFOA, nIndex, (LPARAM)&tbbi);
    return CString(szText);
}

/////////////////////////////////////////////////////////////////////////////
// CToolBar: layout

namespace {

BYTE GetStateByIndex(CWnd* pBar, int nIndex)
{
    TBBUTTON b = {};
    pBar->SendMessage(TB_GETBUTTON, nIndex, (LPARAM)&b);
    return b.fsState;
}

void SetStateByIndex(CWnd* pBar, int nIndex, BYTE fsState)
{
    TBBUTTONINFOA tbbi = {};
    tbbi.cbSize = sizeof tbbi;
    tbbi.dwMask = TBIF_BYINDEX | TBIF_STATE;
    tbbi.fsState = fsState;
    pBar->SendMessage(TB_SETBUTTONINFOA, nIndex, (LPARAM)&tbbi);
}

} // namespace

CSize CToolBar::WrapButtons(int nMaxWidth, BOOL bCommit)
{
    const int nCount = GetCount();
    if (nCount == 0)
        return CSize(0, 0);
    const int cxButton = LOWORD(SendMessage(TB_GETBUTTONSIZE, 0, 0));
    std::vector<TBBUTTON> buttons(nCount);
    for (int i = 0; i < nCount; ++i)
        SendMessage(TB_GETBUTTON, i, (LPARAM)&buttons[i]);

    // Rows take buttons while they fit; a button that does not fit starts a
    // new row, and the last item before it (a separator, if it stands there)
    // carries the wrap.  A row always takes at least one button.
    std::vector<BYTE> states(nCount);
    int x = 0, nLastVisible = -1;
    for (int i = 0; i < nCount; ++i) {
        states[i] = (BYTE)(buttons[i].fsState & ~TBSTATE_WRAP);
        if (buttons[i].fsState & TBSTATE_HIDDEN)
            continue;
        const bool bSep = (buttons[i].fsStyle & TBSTYLE_SEP) != 0;
        const int cx = bSep ? (buttons[i].iBitmap > 0 ? buttons[i].iBitmap : kSeparatorWidth) : cxButton;
        if (!bSep && x > 0 && x + cx > nMaxWidth && nLastVisible >= 0) {
            states[nLastVisible] |= TBSTATE_WRAP;
            x = 0;
        }
        x += cx;
        nLastVisible = i;
    }
    for (int i = 0; i < nCount; ++i)
        if (states[i] != buttons[i].fsState)
            SetStateByIndex(this, i, states[i]);
    SendMessage(TB_AUTOSIZE, 0, 0); // lays the buttons out again (CCS_NORESIZE keeps the window)

    // The extent of what the control shows; a separator that ends a row
    // shows as a gap before the next row, not as width.
    CRect extent(0, 0, 0, 0);
    bool bAny = false;
    for (int i = 0; i < nCount; ++i) {
        if (states[i] & TBSTATE_HIDDEN)
            continue;
        if ((buttons[i].fsStyle & TBSTYLE_SEP) && (states[i] & TBSTATE_WRAP))
            continue;
        CRect rc;
        SendMessage(TB_GETITEMRECT, i, (LPARAM)&rc);
        if (!bAny)
            extent = rc;
        else
            extent.UnionRect(&extent, &rc);
        bAny = true;
    }

    if (!bCommit) {
        for (int i = 0; i < nCount; ++i)
            if (GetStateByIndex(this, i) != buttons[i].fsState)
                SetStateByIndex(this, i, buttons[i].fsState);
        SendMessage(TB_AUTOSIZE, 0, 0);
    }
    return CSize(extent.Width(), extent.Height());
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return FixedLayout(bStretch, bHorz, TRUE);
}

CSize CToolBar::FixedLayout(BOOL bStretch, BOOL bHorz, BOOL bCommit)
{
    CSize size = WrapButtons(bHorz ? kUnbounded : 0, bCommit);
    size.cx += m_cxLeftBorder + m_cxRightBorder;
    size.cy += m_cyTopBorder + m_cyBottomBorder;
    if (bStretch) {
        if (bHorz)
            size.cx = kUnbounded;
        else
            size.cy = kUnbounded;
    }
    return size;
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nMode & LM_STRETCH)
        return FixedLayout(TRUE, (nMode & LM_HORZ) != 0, (nMode & LM_COMMIT) != 0);
    return CalcLayout(nMode, nLength);
}

CSize CToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    ASSERT_MSG(m_hWnd != nullptr, "CToolBar::CalcDynamicLayout: create the bar first");
    const int cxBorders = m_cxLeftBorder + m_cxRightBorder;
    const int cyBorders = m_cyTopBorder + m_cyBottomBorder;
    const bool bHorz = (dwMode & LM_HORZ) != 0;
    const bool bDynamic = (m_dwStyle & CBRS_SIZE_DYNAMIC) && !(m_dwStyle & CBRS_SIZE_FIXED);

    int nWrap;
    if (!bDynamic)
        nWrap = bHorz ? kUnbounded : 0;
    else if (dwMode & LM_MRUWIDTH)
        nWrap = m_nMRUWidth - cxBorders;
    else if (dwMode & LM_HORZDOCK)
        nWrap = kUnbounded;
    else if (dwMode & LM_VERTDOCK)
        nWrap = 0;
    else if (nLength != -1 && !(dwMode & LM_LENGTHY))
        nWrap = nLength - cxBorders;
    else if (nLength != -1) {
        // The narrowest wrap width whose rows fit in the height: try the
        // widths at which a row ends, from one button per row upwards.
        const int cyMax = nLength - cyBorders;
        const int cxButton = LOWORD(SendMessage(TB_GETBUTTONSIZE, 0, 0));
        const int nCount = GetCount();
        nWrap = kUnbounded;
        int x = 0;
        for (int i = 0; i < nCount; ++i) {
            TBBUTTON b = {};
            SendMessage(TB_GETBUTTON, i, (LPARAM)&b);
            if (b.fsState & TBSTATE_HIDDEN)
                continue;
            x += (b.fsStyle & TBSTYLE_SEP) ? (b.iBitmap > 0 ? b.iBitmap : kSeparatorWidth) : cxButton;
            if (!(b.fsStyle & TBSTYLE_SEP) && WrapButtons(x, FALSE).cy <= cyMax) {
                nWrap = x;
                break;
            }
        }
    } else if (m_dwStyle & CBRS_FLOATING)
        nWrap = m_nMRUWidth - cxBorders;
    else
        nWrap = bHorz ? kUnbounded : 0;

    const BOOL bCommit = (dwMode & LM_COMMIT) != 0;
    CSize size = WrapButtons(nWrap, bCommit);
    size.cx += cxBorders;
    size.cy += cyBorders;
    if (bCommit && bDynamic && (m_dwStyle & CBRS_FLOATING))
        m_nMRUWidth = size.cx;
    return size;
}
